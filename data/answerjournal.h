#pragma once

#include "data/connection.h"

#include <QString>
#include <QVector>
#include <optional>

// What a student's program gave a classroom server and the server may not have yet: the answers
// of a test and the hand-ins still to deliver, kept in a small SQLite file in the user's data
// folder (never beside the program, which may be read-only or shared), so that neither a lost
// connection nor a program ended meanwhile loses them.
class AnswerJournal {
public:
    struct Answer {
        QString position;
        QString letter;
    };
    struct QueuedHandIn {
        QString session;
        QString name;
    };

    // Opens the journal, making it on first use; one that cannot be kept on disk (a read-only
    // data folder, a damaged file) is kept in memory for this run instead.
    explicit AnswerJournal(const QString& fileName = defaultFileName());

    static QString defaultFileName();
    bool isKeptOnDisk() const { return keptOnDisk_; }

    // The letter given to a position of a session's test, not yet known to have reached the server.
    void recordAnswer(const QString& session, const QString& position, const QString& letter);
    // The server has the letter: it need not be sent again unless it is changed.
    void markSent(const QString& session, const QString& position, const QString& letter);
    QVector<Answer> unsentAnswers(const QString& session) const;
    // The letter last given to a position of the session, sent or not.
    std::optional<QString> answer(const QString& session, const QString& position) const;

    // A hand-in for the server named by its connection string, delivered once it can be.
    void queueHandIn(const QString& session, const QString& server, const QString& name);
    QVector<QueuedHandIn> queuedHandIns(const QString& server) const;
    bool isQueued(const QString& session) const;
    // The session's result is stored (or refused for good): nothing of it is kept any longer.
    void forget(const QString& session);
    // Answers of tests that were never handed in are of no use once their program has ended.
    void forgetUnhandedTests();

private:
    void createTables();

    Connection connection_;
    bool keptOnDisk_ = true;
};
