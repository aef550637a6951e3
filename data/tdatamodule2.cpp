#include "data/tdatamodule2.h"

#include "data/connection.h"
#include "data/datasource.h"
#include "data/table.h"
#include "data/classroomschema.h"
#include "data/statement.h"
#include "platform/apperror.h"
#include "platform/guarded.h"
#include "platform/randomsource.h"
#include "platform/usersettings.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QUuid>

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
    const QString server = classroomServer();
    if (server.isEmpty()) {
        ADOConnection1->open(QString::fromLatin1(databaseFileName));
        ownDraws_ = userSettings()->value(QStringLiteral("Testing/ownDrawsPerRun"), false).toBool();
    } else {
        ADOConnection1->openServer(server);
        ownDraws_ = true;
    }
    startSession();
    connect(ADOConnection1, &Connection::notified, this, [this] { guarded([this] { takeInNewResults(); }); });
    for (Table* table : {ADOTable1, tblMedia, ADOTable3, ADOTable4, ADOTable5, ADOTable6, ADOTable7, ADOTable2})
        table->open();
    DataModuleCreate();
}

TDataModule2::~TDataModule2()
{
    if (DataModule2 == this)
        DataModule2 = nullptr;
}

QString TDataModule2::classroomServer()
{
    const QString configured = userSettings()->value(QStringLiteral("Classroom/connection")).toString().trimmed();
    if (!configured.isEmpty())
        return configured;
    const QString service = qEnvironmentVariable("PGSERVICE");
    return service.isEmpty() ? QString() : QStringLiteral("service=") + service;
}

QString TDataModule2::shownConnection(const QString& connectionString)
{
    QString shown = connectionString;
    shown.replace(QRegularExpression(QStringLiteral("(password\\s*=\\s*)('[^']*'|\\S+)")), QStringLiteral("\\1***"));
    shown.replace(QRegularExpression(QStringLiteral("(://[^:/@]*:)[^@]*@")), QStringLiteral("\\1***@"));
    return shown;
}

void TDataModule2::startSession()
{
    if (!ownDraws_)
        return;
    const QUuid id = QUuid::createUuid();
    // The draws start from the session's own seed, so that neighbours get other questions.
    programRandom().seed(static_cast<quint32>(qHash(id)));
    if (!ADOConnection1->isServer())
        return;
    session_ = id.toString(QUuid::WithoutBraces);
    Statement set(*ADOConnection1, QStringLiteral("SELECT set_config(?, ?, false)"));
    set.bind(1, classroomSchema::sessionSetting);
    set.bind(2, session_);
    set.run();
}

int TDataModule2::handIn(const QString& studentName)
{
    Statement handIn(*ADOConnection1, QStringLiteral("SELECT public.vestoria_hand_in(?)"));
    handIn.bind(1, studentName);
    if (!handIn.step())
        throw AppError(QStringLiteral("Сервер не вернул результат теста"));
    return static_cast<int>(handIn.columnInteger(0));
}

void TDataModule2::connectAsTeacher(const QString& password)
{
    // Tried on a connection of its own first: a refused password leaves the student's in place.
    Connection(nullptr).openServer(classroomServer(), classroomSchema::teacherRole, password);
    ADOConnection1->openServer(classroomServer(), classroomSchema::teacherRole, password);
    startSession();
    reopenTables();
    // The teacher's editor follows the class handing in without being asked to.
    ADOConnection1->listen(classroomSchema::resultChannel);
}

void TDataModule2::takeInNewResults()
{
    // A row being edited or added is never disturbed: the new results wait until it is done.
    if (ADOTable6->state() != Table::State::Browse) {
        QTimer::singleShot(resultRetryMs, this, [this] { guarded([this] { takeInNewResults(); }); });
        return;
    }
    ADOTable6->takeInNewRecords();
}

void TDataModule2::reopenTables()
{
    for (Table* table : {ADOTable1, tblMedia, ADOTable3, ADOTable4, ADOTable5, ADOTable6, ADOTable7, ADOTable2})
        table->close();
    openClosedTables();
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
