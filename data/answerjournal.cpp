#include "data/answerjournal.h"

#include "data/statement.h"
#include "platform/apperror.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AnswerJournal::AnswerJournal(const QString& fileName)
{
    try {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        connection_.open(fileName, Connection::Mode::Create);
        createTables();
    } catch (const AppError&) {
        // Answers kept for this run are still better than none: only a program ended while the
        // server is away loses them.
        keptOnDisk_ = false;
        connection_.open(QStringLiteral(":memory:"), Connection::Mode::Create);
        createTables();
    }
}

QString AnswerJournal::defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Vestoria/classroom-journal.db");
}

void AnswerJournal::createTables()
{
    Statement(connection_, QStringLiteral("CREATE TABLE IF NOT EXISTS answer (session TEXT NOT NULL, position TEXT "
                                          "NOT NULL, letter TEXT NOT NULL, sent INTEGER NOT NULL DEFAULT 0, "
                                          "PRIMARY KEY (session, position))"))
        .run();
    Statement(connection_, QStringLiteral("CREATE TABLE IF NOT EXISTS hand_in (session TEXT PRIMARY KEY, server "
                                          "TEXT NOT NULL, name TEXT NOT NULL, queued TEXT NOT NULL)"))
        .run();
}

void AnswerJournal::recordAnswer(const QString& session, const QString& position, const QString& letter)
{
    Statement record(connection_, QStringLiteral("INSERT OR REPLACE INTO answer (session, position, letter, sent) "
                                                 "VALUES (?, ?, ?, 0)"));
    record.bind(1, session);
    record.bind(2, position);
    record.bind(3, letter);
    record.run();
}

void AnswerJournal::markSent(const QString& session, const QString& position, const QString& letter)
{
    Statement mark(connection_,
                   QStringLiteral("UPDATE answer SET sent = 1 WHERE session = ? AND position = ? AND letter = ?"));
    mark.bind(1, session);
    mark.bind(2, position);
    mark.bind(3, letter);
    mark.run();
}

QVector<AnswerJournal::Answer> AnswerJournal::unsentAnswers(const QString& session) const
{
    Statement select(
        connection_,
        QStringLiteral("SELECT position, letter FROM answer WHERE session = ? AND sent = 0 ORDER BY rowid"));
    select.bind(1, session);
    QVector<Answer> answers;
    while (select.step())
        answers.append({select.columnValue(0).asText(), select.columnValue(1).asText()});
    return answers;
}

std::optional<QString> AnswerJournal::answer(const QString& session, const QString& position) const
{
    Statement select(connection_, QStringLiteral("SELECT letter FROM answer WHERE session = ? AND position = ?"));
    select.bind(1, session);
    select.bind(2, position);
    if (!select.step())
        return std::nullopt;
    return select.columnValue(0).asText();
}

void AnswerJournal::queueHandIn(const QString& session, const QString& server, const QString& name)
{
    Statement queue(
        connection_,
        QStringLiteral("INSERT OR REPLACE INTO hand_in (session, server, name, queued) VALUES (?, ?, ?, ?)"));
    queue.bind(1, session);
    queue.bind(2, server);
    queue.bind(3, name);
    queue.bind(4, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    queue.run();
}

QVector<AnswerJournal::QueuedHandIn> AnswerJournal::queuedHandIns(const QString& server) const
{
    Statement select(connection_,
                     QStringLiteral("SELECT session, name FROM hand_in WHERE server = ? ORDER BY queued, rowid"));
    select.bind(1, server);
    QVector<QueuedHandIn> queued;
    while (select.step())
        queued.append({select.columnValue(0).asText(), select.columnValue(1).asText()});
    return queued;
}

bool AnswerJournal::isQueued(const QString& session) const
{
    Statement select(connection_, QStringLiteral("SELECT 1 FROM hand_in WHERE session = ?"));
    select.bind(1, session);
    return select.step();
}

void AnswerJournal::forget(const QString& session)
{
    for (const QString& table : {QStringLiteral("answer"), QStringLiteral("hand_in")}) {
        Statement remove(connection_, QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE session = ?"));
        remove.bind(1, session);
        remove.run();
    }
}

void AnswerJournal::forgetUnhandedTests()
{
    Statement(connection_, QStringLiteral("DELETE FROM answer WHERE session NOT IN (SELECT session FROM hand_in)"))
        .run();
}
