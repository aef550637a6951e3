#include "data/tdatamodule2.h"

#include "data/answerjournal.h"
#include "data/connection.h"
#include "data/connectionlost.h"
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
#include <algorithm>
#include <array>

TDataModule2* DataModule2 = nullptr;

namespace {

// The eight tables and their binding links, in their stored order: made, bound and first opened
// in this order. The creation handler opens them once more in an order of its own, the question
// bank and the photos first; reopenPlace is a table's place in that order.
struct TableEntry {
    Table* TDataModule2::*table;
    const char* componentName;
    const char* tableName;
    DataSource* TDataModule2::*source;
    const char* sourceName;
    int reopenPlace;
};

constexpr TableEntry tableEntries[] = {
    {&TDataModule2::ADOTable1, "ADOTable1", "test", &TDataModule2::DataSource1, "DataSource1", 0},
    {&TDataModule2::tblMedia, "tblMedia", "media", &TDataModule2::DataSource2, "DataSource2", 2},
    {&TDataModule2::ADOTable3, "ADOTable3", "Lekcia", &TDataModule2::DataSource3, "DataSource3", 3},
    {&TDataModule2::ADOTable4, "ADOTable4", "rasdel", &TDataModule2::DataSource4, "DataSource4", 4},
    {&TDataModule2::ADOTable5, "ADOTable5", "testing", &TDataModule2::DataSource5, "DataSource5", 5},
    {&TDataModule2::ADOTable6, "ADOTable6", "result", &TDataModule2::DataSource6, "DataSource6", 6},
    {&TDataModule2::ADOTable7, "ADOTable7", "Present", &TDataModule2::DataSource7, "DataSource7", 7},
    {&TDataModule2::ADOTable2, "ADOTable2", "foto", &TDataModule2::DataSource8, "DataSource8", 1},
};
constexpr std::size_t tableCount = std::size(tableEntries);

constexpr bool everyReopenPlaceOnce()
{
    std::array<bool, tableCount> taken{};
    for (const TableEntry& entry : tableEntries) {
        if (entry.reopenPlace < 0 || entry.reopenPlace >= static_cast<int>(tableCount) || taken[entry.reopenPlace])
            return false;
        taken[entry.reopenPlace] = true;
    }
    return true;
}
static_assert(everyReopenPlaceOnce(), "the creation handler opens every table once");

std::array<Table*, tableCount> inStoredOrder(const TDataModule2& module)
{
    std::array<Table*, tableCount> tables{};
    for (std::size_t index = 0; index < tableCount; ++index)
        tables[index] = module.*tableEntries[index].table;
    return tables;
}

std::array<Table*, tableCount> inReopeningOrder(const TDataModule2& module)
{
    std::array<Table*, tableCount> tables{};
    for (const TableEntry& entry : tableEntries)
        tables[entry.reopenPlace] = module.*entry.table;
    return tables;
}

} // namespace

TDataModule2::TDataModule2(QObject* parent) : QObject(parent), ADOConnection1(new Connection(this))
{
    for (const TableEntry& entry : tableEntries)
        this->*entry.table = new Table(ADOConnection1, QString::fromLatin1(entry.componentName),
                                       QString::fromLatin1(entry.tableName), this);
    for (const TableEntry& entry : tableEntries)
        this->*entry.source = new DataSource(QString::fromLatin1(entry.sourceName), this->*entry.table, this);
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
        server_ = server;
        journal_ = std::make_unique<AnswerJournal>();
        retryTimer_ = new QTimer(this);
        retryTimer_->setSingleShot(true);
        connectGuarded(retryTimer_, &QTimer::timeout, this, &TDataModule2::retryPending);
        // Tests handed in while the server was away, in an earlier run, go first.
        journal_->forgetUnhandedTests();
        try {
            deliveredAtStart_ = deliverQueued();
        } catch (const ConnectionLost&) {
            scheduleRetry();
        }
    }
    startSession();
    connectGuarded(ADOConnection1, &Connection::notified, this, &TDataModule2::takeInNewResults);
    // A listening editor notices the server going away by itself and looks for its return.
    connectGuarded(ADOConnection1, &Connection::lost, this, [this] {
        setServerReachable(false);
        scheduleRetry();
    });
    // Results handed in while it was away are taken in once it is back.
    connectGuarded(ADOConnection1, &Connection::reconnected, this,
                   [this] { QTimer::singleShot(0, this, [this] { guarded([this] { takeInNewResults(); }); }); });
    for (Table* table : inStoredOrder(*this))
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
    ADOConnection1->setSessionValue(classroomSchema::sessionSetting, session_);
}

void TDataModule2::beginTest()
{
    if (!ADOConnection1->isServer())
        return;
    startSession();
    ADOTable5->refresh();
}

bool TDataModule2::storeAnswer(const QString& position, const QString& letter)
{
    journal_->recordAnswer(session_, position, letter);
    // While the server is away the background attempts look for it; a click does not wait for
    // a connection to time out.
    if (!serverReachable_)
        return false;
    try {
        sendAnswers(*ADOConnection1, session_);
    } catch (const ConnectionLost&) {
        setServerReachable(false);
        scheduleRetry();
        return false;
    }
    return true;
}

std::optional<QString> TDataModule2::givenAnswer(const QString& position) const
{
    if (!journal_)
        return std::nullopt;
    return journal_->answer(session_, position);
}

void TDataModule2::sendAnswers(Connection& connection, const QString& session)
{
    for (const AnswerJournal::Answer& answer : journal_->unsentAnswers(session)) {
        Statement store(connection, QStringLiteral("UPDATE testing SET otv = ? WHERE nom = ?"));
        store.bind(1, answer.letter);
        store.bind(2, answer.position);
        store.run();
        journal_->markSent(session, answer.position, answer.letter);
    }
}

std::optional<int> TDataModule2::handIn(const QString& studentName)
{
    // Queued first: from here on, whatever happens to the connection or the program, the
    // hand-in is delivered.
    journal_->queueHandIn(session_, server_, studentName);
    try {
        const int correct = deliver(*ADOConnection1, session_, studentName);
        setServerReachable(true);
        return correct;
    } catch (const ConnectionLost&) {
        setServerReachable(false);
        scheduleRetry();
        return std::nullopt;
    }
}

int TDataModule2::deliver(Connection& connection, const QString& session, const QString& name)
{
    try {
        sendAnswers(connection, session);
        Statement asked(connection, QStringLiteral("SELECT public.vestoria_handed_in()"));
        int correct = 0;
        if (asked.step() && !asked.columnValue(0).isNull()) {
            correct = static_cast<int>(asked.columnInteger(0));
        } else {
            Statement handIn(connection, QStringLiteral("SELECT public.vestoria_hand_in(?)"));
            handIn.bind(1, name);
            if (!handIn.step())
                throw AppError(QStringLiteral("Сервер не вернул результат теста"));
            correct = static_cast<int>(handIn.columnInteger(0));
        }
        journal_->forget(session);
        return correct;
    } catch (const ConnectionLost&) {
        throw;
    } catch (const AppError&) {
        // Refused by the server itself: sending it again would be refused again.
        journal_->forget(session);
        throw;
    }
}

QVector<DeliveredHandIn> TDataModule2::deliverQueued()
{
    QVector<DeliveredHandIn> delivered;
    const QVector<AnswerJournal::QueuedHandIn> queued = journal_->queuedHandIns(server_);
    if (queued.isEmpty())
        return delivered;
    // Each hand-in is delivered in its own session, which is not this program's.
    Connection courier;
    courier.openServer(server_);
    for (const AnswerJournal::QueuedHandIn& handIn : queued) {
        courier.setSessionValue(classroomSchema::sessionSetting, handIn.session);
        DeliveredHandIn result{handIn.session, handIn.name, 0, QString()};
        try {
            result.correct = deliver(courier, handIn.session, handIn.name);
        } catch (const ConnectionLost&) {
            throw;
        } catch (const AppError& error) {
            result.refusal = error.message();
        }
        delivered.append(result);
    }
    return delivered;
}

void TDataModule2::retryPending()
{
    try {
        // Reopens the connection when it broke, which also brings a listening editor back.
        Statement(*ADOConnection1, QStringLiteral("SELECT 1")).run();
        sendAnswers(*ADOConnection1, session_);
        const QVector<DeliveredHandIn> delivered = deliverQueued();
        setServerReachable(true);
        retryPauseMs_ = firstRetryMs;
        for (const DeliveredHandIn& handIn : delivered)
            emit handInDelivered(handIn);
    } catch (const ConnectionLost&) {
        setServerReachable(false);
        scheduleRetry();
    }
}

void TDataModule2::scheduleRetry()
{
    if (!retryTimer_ || retryTimer_->isActive())
        return;
    retryTimer_->start(retryPauseMs_);
    retryPauseMs_ = std::min(retryPauseMs_ * 2, longestRetryMs);
}

void TDataModule2::setServerReachable(bool reachable)
{
    if (reachable == serverReachable_)
        return;
    serverReachable_ = reachable;
    emit serverReachableChanged(reachable);
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
    for (Table* table : inStoredOrder(*this))
        table->close();
    openClosedTables();
}

void TDataModule2::DataModuleCreate()
{
    openClosedTables();
}

void TDataModule2::openClosedTables()
{
    for (Table* table : inReopeningOrder(*this))
        table->open();
}
