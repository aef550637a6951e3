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

    // Opens every table that is closed, in the creation handler's order; open ones are untouched.
    void openClosedTables();

private:
    void DataModuleCreate();
};

extern TDataModule2* DataModule2;
