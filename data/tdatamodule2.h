#pragma once

#include <QObject>

class Connection;
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

    // Hands the session's test in to the server, which grades it and stores the one result;
    // gives the number of correct answers.
    int handIn(const QString& studentName);

    // Connects again as the teacher with the password typed at the login and reopens every
    // table; a refused password throws and leaves the student's connection in place.
    void connectAsTeacher(const QString& password);

    // Opens every table that is closed, in the creation handler's order; open ones are untouched.
    void openClosedTables();

private:
    void DataModuleCreate();
    void startSession();
    void reopenTables();
    void takeInNewResults();
    static constexpr int resultRetryMs = 300;

    bool ownDraws_ = false;
    QString session_;
};

extern TDataModule2* DataModule2;
