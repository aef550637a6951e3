#pragma once

#include "data/deliveredhandin.h"

#include <QObject>
#include <QVector>
#include <memory>
#include <optional>

class AnswerJournal;
class Connection;
class QTimer;
class DataSource;
class Table;

// The one data module: the connection to the course database, its eight tables and their
// binding links. Every window reaches the course data through the global DataModule2.
class TDataModule2 : public QObject {
    Q_OBJECT

public:
    // Connects to "db1.mdb" in the working directory and opens all eight tables; throws on any
    // failure, which ends start-up.
    explicit TDataModule2(QObject* parent = nullptr);
    ~TDataModule2() override;

    Connection* ADOConnection1;
    Table* ADOTable1; // test
    Table* tblMedia;  // media
    Table* ADOTable3; // Lekcia
    Table* ADOTable4; // rasdel
    Table* ADOTable5; // testing
    Table* ADOTable6; // result
    Table* ADOTable7; // Present
    Table* ADOTable2; // foto
    DataSource* DataSource1;
    DataSource* DataSource2;
    DataSource* DataSource3;
    DataSource* DataSource4;
    DataSource* DataSource5;
    DataSource* DataSource6;
    DataSource* DataSource7;
    DataSource* DataSource8;

    static constexpr const char* databaseFileName = "db1.mdb";

    // The classroom server's libpq connection string from the user's settings; empty for the
    // course file. The value "service=NAME" (or PGSERVICE in the environment with no setting)
    // names an entry of the user's pg_service.conf.
    static QString classroomServer();
    // A connection string fit to show: a password written into it is masked.
    static QString shownConnection(const QString& connectionString);

    // True when each run draws its own questions from a seed of its own, all different: always
    // on a server, and on a single computer when the teacher turned it on in the settings.
    bool ownDrawsPerRun() const { return ownDraws_; }
    // This run's session on a server (empty on a course file).
    const QString& session() const { return session_; }

    // A test about to be drawn: on a server it gets a session of its own, and so a test set of
    // its own, empty; on a course file nothing changes.
    void beginTest();

    // Stores the letter given to a position of the session's test on the server and keeps it in
    // the journal until the server has it; false when the server could not be reached (it is
    // sent once it can be).
    bool storeAnswer(const QString& position, const QString& letter);
    // The letter last given to a position of this session's test, as the journal keeps it.
    std::optional<QString> givenAnswer(const QString& position) const;

    // Hands the session's test in to the server, which grades it and stores the one result;
    // gives the number of correct answers, or nothing when the server cannot be reached now:
    // the hand-in is then queued and delivered in the background (handInDelivered).
    std::optional<int> handIn(const QString& studentName);

    // False from a failed attempt to reach the server until one succeeds again.
    bool serverReachable() const { return serverReachable_; }
    // Hand-ins queued by an earlier run and delivered as this one started.
    const QVector<DeliveredHandIn>& deliveredAtStart() const { return deliveredAtStart_; }

    // Connects again as the teacher with the password typed at the login and reopens every
    // table; a refused password throws and leaves the student's connection in place.
    void connectAsTeacher(const QString& password);

    // Opens every table that is closed, in the creation handler's order; open ones are untouched.
    void openClosedTables();

signals:
    void handInDelivered(const DeliveredHandIn& handIn);
    void serverReachableChanged(bool reachable);

private:
    void DataModuleCreate();
    void startSession();
    void reopenTables();
    void takeInNewResults();
    // Sends the session's answers the server may not have, over a connection set to that session.
    void sendAnswers(Connection& connection, const QString& session);
    // Delivers a queued hand-in over a connection set to its session; a hand-in whose reply was
    // lost is found stored and not sent twice.
    int deliver(Connection& connection, const QString& session, const QString& name);
    // Every hand-in queued for this server, each over a connection of its own session.
    QVector<DeliveredHandIn> deliverQueued();
    // One background attempt at what waits for the server.
    void retryPending();
    void scheduleRetry();
    void setServerReachable(bool reachable);
    static constexpr int resultRetryMs = 300;
    static constexpr int firstRetryMs = 250;
    static constexpr int longestRetryMs = 2000;

    bool ownDraws_ = false;
    QString session_;
    QString server_;
    std::unique_ptr<AnswerJournal> journal_;
    QTimer* retryTimer_ = nullptr;
    int retryPauseMs_ = firstRetryMs;
    bool serverReachable_ = true;
    QVector<DeliveredHandIn> deliveredAtStart_;
};

extern TDataModule2* DataModule2;
