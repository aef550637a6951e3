#include "app/courseindex.h"

#include "app/htmltext.h"
#include "app/searchwords.h"
#include "data/statement.h"
#include "data/transaction.h"
#include "platform/apperror.h"
#include "platform/htmlview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

// The cache's layout, kept in its user_version: a cache another version laid out (another
// tokenizer, another folding of the words) is made afresh instead of being read wrongly.
constexpr int cacheLayout = 2;

// A line of the result list: the hit and a few words before it.
constexpr int snippetBefore = 30;
constexpr int snippetLength = 110;

// The query in the index's own language: each word's stem as a prefix, all of them required.
// Quoting keeps a reader's quotes, stars and brackets from being read as operators.
QString matchExpression(const QString& query)
{
    QStringList terms;
    for (const QString& word : searchwords::words(query))
        terms << u'"' + searchwords::indexWords(searchwords::stem(word)).replace(u'"', QStringLiteral("\"\""))
                     + QStringLiteral("\"*");
    return terms.join(u' ');
}

QString snippetOf(const QString& text, const QRegularExpression& stems)
{
    const QRegularExpressionMatch hit = stems.match(text);
    const qsizetype start = hit.hasMatch() ? std::max<qsizetype>(0, hit.capturedStart() - snippetBefore) : 0;
    QString snippet = text.mid(start, snippetLength).simplified();
    if (start > 0)
        snippet.prepend(QStringLiteral("…"));
    if (start + snippetLength < text.size())
        snippet.append(QStringLiteral("…"));
    return snippet;
}

} // namespace

CourseIndex::CourseIndex(const QString& cacheFile)
{
    QDir().mkpath(QFileInfo(cacheFile).absolutePath());
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            open(cacheFile);
            notKeptReason_.clear();
            return;
        } catch (const AppError& error) {
            connection_.close();
            notKeptReason_ = error.message();
        }
        // Only a file goes: a folder in its place is the user's own.
        QFile::remove(cacheFile);
    }
    open(QStringLiteral(":memory:"));
}

void CourseIndex::open(const QString& cacheFile)
{
    connection_.open(cacheFile, Connection::Mode::Create);
    // The index of a whole course is tens of megabytes that every search reads from: mapped into
    // memory, it is read without a system call per page.
    Statement(connection_, QStringLiteral("PRAGMA mmap_size = 268435456")).run();
    const qint64 layout = [this] {
        Statement version(connection_, QStringLiteral("PRAGMA user_version"));
        return version.step() ? version.columnInteger(0) : 0;
    }();
    if (layout != 0 && layout != cacheLayout)
        throw AppError(QStringLiteral("файл записан другой версией программы"));
    Statement(connection_, QStringLiteral("CREATE TABLE IF NOT EXISTS files (path TEXT PRIMARY KEY, size INTEGER, "
                                          "modified INTEGER, topic TEXT, body TEXT)"))
        .run();
    // The words are folded and split by the program (searchwords::indexWords), so the plain ASCII
    // tokenizer reads them three times faster than the Unicode one; they are kept in `files`
    // already, so the index keeps no copy of its own (contentless) and is told what to forget.
    Statement(connection_, QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS words USING fts5(folded, "
                                          "tokenize = 'ascii', content = '')"))
        .run();
    if (layout == 0) {
        // Terms gathered in memory up to this size before they are written: a course is written
        // in a few large steps instead of many small ones that must be merged later.
        Statement(connection_, QStringLiteral("INSERT INTO words (words, rank) VALUES ('hashsize', 67108864)")).run();
    }
    // A damaged file opens without complaint; reading it is what fails.
    Statement(connection_, QStringLiteral("SELECT path, size, modified, topic, body FROM files LIMIT 0")).run();
    Statement(connection_, QStringLiteral("SELECT folded FROM words LIMIT 0")).run();
    Statement(connection_, QStringLiteral("SELECT count(*) FROM words")).run();
    // A file that can be read but not written (its folder read-only) would fail at the first
    // search instead.
    Statement(connection_, QStringLiteral("PRAGMA user_version = %1").arg(cacheLayout)).run();
}

QString CourseIndex::documentText(const QString& path, QString* whyNot)
{
    const QString html = HtmlView::readDocument(path, whyNot);
    return whyNot->isEmpty() ? htmltext::plainText(html) : QString();
}

int CourseIndex::update(const QList<CourseDocument>& documents, const Progress& progress)
{
    // What the index holds is read in one pass: a search over a thousand documents that changed
    // in nothing must not cost a statement each.
    struct Known {
        qint64 rowid;
        qint64 size;
        qint64 modified;
        QString topic;
    };
    QHash<QString, Known> known;
    {
        Statement all(connection_, QStringLiteral("SELECT rowid, path, size, modified, topic FROM files"));
        while (all.step())
            known.insert(all.columnValue(1).asText(), {all.columnInteger(0), all.columnInteger(2), all.columnInteger(3),
                                                       all.columnValue(4).asText()});
    }
    const auto forget = [this](qint64 rowid) {
        forgetWordsOf(rowid);
        Statement statement(connection_, QStringLiteral("DELETE FROM files WHERE rowid = ?"));
        statement.bind(1, FieldValue(rowid));
        statement.run();
    };
    Transaction transaction(connection_);
    leftOut_.clear();
    QSet<QString> listed;
    int read = 0;
    int done = 0;
    bool stopped = false;
    for (const CourseDocument& document : documents) {
        if (progress && !progress(done++, int(documents.size()))) {
            stopped = true;
            break;
        }
        const QFileInfo info(document.path);
        if (!info.isFile() || listed.contains(document.path))
            continue;
        listed.insert(document.path);
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        const auto entry = known.constFind(document.path);
        const bool isKnown = entry != known.constEnd();
        if (isKnown && entry->size == info.size() && entry->modified == modified) {
            if (entry->topic != document.topic) {
                Statement rename(connection_, QStringLiteral("UPDATE files SET topic = ? WHERE path = ?"));
                rename.bind(1, document.topic);
                rename.bind(2, document.path);
                rename.run();
            }
            continue;
        }
        QString whyNot;
        const QString text = documentText(document.path, &whyNot);
        if (!whyNot.isEmpty()) {
            // Not kept, so that it is looked at again once it has changed; what was found in it
            // before it was damaged is not found any more.
            leftOut_.append({document.path, whyNot});
            if (isKnown)
                forget(entry->rowid);
            continue;
        }
        if (isKnown)
            forgetWordsOf(entry->rowid);
        Statement store(connection_, QStringLiteral("INSERT OR REPLACE INTO files (path, size, modified, topic, body) "
                                                    "VALUES (?, ?, ?, ?, ?)"));
        store.bind(1, document.path);
        store.bind(2, FieldValue(info.size()));
        store.bind(3, FieldValue(modified));
        store.bind(4, document.topic);
        store.bind(5, text);
        store.run();
        Statement index(connection_, QStringLiteral("INSERT INTO words (rowid, folded) VALUES (?, ?)"));
        index.bind(1, FieldValue(connection_.lastInsertRowId()));
        index.bind(2, searchwords::indexWords(text));
        index.run();
        ++read;
    }
    if (progress && !stopped)
        progress(done, int(documents.size()));
    for (auto entry = known.constBegin(); entry != known.constEnd() && !stopped; ++entry)
        if (!listed.contains(entry.key()))
            forget(entry->rowid);
    transaction.commit();
    return read;
}

// A contentless index forgets a document's words only when told them again, exactly as stored.
void CourseIndex::forgetWordsOf(qint64 rowid)
{
    QString words;
    {
        Statement body(connection_, QStringLiteral("SELECT body FROM files WHERE rowid = ?"));
        body.bind(1, FieldValue(rowid));
        if (!body.step())
            return;
        words = searchwords::indexWords(body.columnValue(0).asText());
    }
    Statement forget(connection_, QStringLiteral("INSERT INTO words (words, rowid, folded) VALUES ('delete', ?, ?)"));
    forget.bind(1, FieldValue(rowid));
    forget.bind(2, words);
    forget.run();
}

int CourseIndex::matchCount(const QString& query) const
{
    const QString expression = matchExpression(query);
    if (expression.isEmpty())
        return 0;
    Statement count(connection_, QStringLiteral("SELECT count(*) FROM words WHERE words MATCH ?"));
    count.bind(1, expression);
    return count.step() ? int(count.columnInteger(0)) : 0;
}

QList<SearchHit> CourseIndex::search(const QString& query, int limit) const
{
    const QString expression = matchExpression(query);
    if (expression.isEmpty())
        return {};
    Statement select(connection_, QStringLiteral("SELECT files.path, files.topic, files.body FROM words "
                                                 "JOIN files ON files.rowid = words.rowid WHERE words MATCH ? "
                                                 "ORDER BY bm25(words) LIMIT ?"));
    select.bind(1, expression);
    select.bind(2, FieldValue(limit));
    // Made once for all the hits: compiling a pattern costs more than matching it.
    const QRegularExpression stems = searchwords::stemPattern(query);
    QList<SearchHit> hits;
    while (select.step())
        hits.append({select.columnValue(0).asText(), select.columnValue(1).asText(),
                     snippetOf(select.columnValue(2).asText(), stems)});
    return hits;
}
