#pragma once

#include "data/connection.h"

#include <QList>
#include <QString>

#include <functional>

// A document of the course the search looks through: a lecture or a course document.
struct CourseDocument {
    QString path; // the file, as the program's folder makes it
    QString topic;
};

struct SearchHit {
    QString path;
    QString topic;
    QString snippet; // the text around the first hit, on one line
};

// A document the index cannot read, and why.
struct LeftOutDocument {
    QString path;
    QString reason;
};

// The full-text index of the course's documents, kept in a cache file of the user's (never in
// the course database). A document is read again only when its file's size or time has changed
// since it was read, so that only the first search after a change pays for reading.
class CourseIndex {
public:
    // A cache that cannot be read, or of another layout, is thrown away and made afresh. One that
    // can be neither opened nor made (a read-only folder, a file that cannot be replaced, a folder
    // in its place) gives way to an index in memory for this run: the search works the same.
    explicit CourseIndex(const QString& cacheFile);

    // Why the index is not kept in its cache file, in the engine's words; empty when it is.
    const QString& notKeptReason() const { return notKeptReason_; }

    // Told after each document how many of them have been looked at; returns false to stop there.
    using Progress = std::function<bool(int done, int total)>;

    // Brings the index to these documents: reads the new and the changed ones and forgets those
    // no longer listed or no longer there. Returns how many were read. One that cannot be read as
    // text (see leftOut) is not in the index. Stopped by the progress, it keeps what it has read
    // (the next update reads the rest) and forgets nothing.
    int update(const QList<CourseDocument>& documents, const Progress& progress = {});
    // The documents the last update left out.
    const QList<LeftOutDocument>& leftOut() const { return leftOut_; }

    // How many documents a search lists at most.
    static constexpr int listedHits = 100;

    // The documents holding every word of the query (in any of its forms), best first.
    QList<SearchHit> search(const QString& query, int limit = listedHits) const;
    // How many documents hold them, however many a search lists.
    int matchCount(const QString& query) const;

    // The text of a document as the index reads it: the words of its HTML, without markup;
    // empty, with the reason in whyNot, when it cannot be read as text.
    static QString documentText(const QString& path, QString* whyNot);

private:
    void open(const QString& cacheFile);
    void forgetWordsOf(qint64 rowid);

    Connection connection_;
    QString notKeptReason_;
    QList<LeftOutDocument> leftOut_;
};
