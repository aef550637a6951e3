#include "data/tdatamodule2.h"

#include "data/connection.h"
#include "data/datasource.h"
#include "data/table.h"

TDataModule2* DataModule2 = nullptr;

TDataModule2::TDataModule2(QObject* parent)
    : QObject(parent),
      ADOConnection1(new Connection(this)),
      ADOTable1(new Table(ADOConnection1, QStringLiteral("ADOTable1"), QStringLiteral("test"), this)),
      tblMedia(new Table(ADOConnection1, QStringLiteral("tblMedia"), QStringLiteral("media"), this)),
      ADOTable3(new Table(ADOConnection1, QStringLiteral("ADOTable3"), QStringLiteral("Lekcia"), this)),
      ADOTable4(new Table(ADOConnection1, QStringLiteral("ADOTable4"), QStringLiteral("rasdel"), this)),
      ADOTable5(new Table(ADOConnection1, QStringLiteral("ADOTable5"), QStringLiteral("testing"), this)),
      ADOTable6(new Table(ADOConnection1, QStringLiteral("ADOTable6"), QStringLiteral("result"), this)),
      ADOTable7(new Table(ADOConnection1, QStringLiteral("ADOTable7"), QStringLiteral("Present"), this)),
      ADOTable2(new Table(ADOConnection1, QStringLiteral("ADOTable2"), QStringLiteral("foto"), this)),
      DataSource1(new DataSource(QStringLiteral("DataSource1"), ADOTable1, this)),
      DataSource2(new DataSource(QStringLiteral("DataSource2"), tblMedia, this)),
      DataSource3(new DataSource(QStringLiteral("DataSource3"), ADOTable3, this)),
      DataSource4(new DataSource(QStringLiteral("DataSource4"), ADOTable4, this)),
      DataSource5(new DataSource(QStringLiteral("DataSource5"), ADOTable5, this)),
      DataSource6(new DataSource(QStringLiteral("DataSource6"), ADOTable6, this)),
      DataSource7(new DataSource(QStringLiteral("DataSource7"), ADOTable7, this)),
      DataSource8(new DataSource(QStringLiteral("DataSource8"), ADOTable2, this))
{
    setObjectName(QStringLiteral("DataModule2"));
    ADOConnection1->setObjectName(QStringLiteral("ADOConnection1"));
    // The connection and the tables are stored connected and active: they open as the module is
    // made, and the creation handler then opens the tables once more in its own order.
    ADOConnection1->open(QString::fromLatin1(databaseFileName));
    for (Table* table : {ADOTable1, tblMedia, ADOTable3, ADOTable4, ADOTable5, ADOTable6, ADOTable7, ADOTable2})
        table->open();
    DataModuleCreate();
}

TDataModule2::~TDataModule2()
{
    if (DataModule2 == this)
        DataModule2 = nullptr;
}

void TDataModule2::DataModuleCreate()
{
    openClosedTables();
}

void TDataModule2::openClosedTables()
{
    for (Table* table : {ADOTable1, ADOTable2, tblMedia, ADOTable3, ADOTable4, ADOTable5, ADOTable6, ADOTable7})
        table->open();
}
