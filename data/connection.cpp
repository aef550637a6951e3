#include "data/connection.h"

#include "data/connectionlost.h"
#include "data/statement.h"
#include "platform/apperror.h"
#include "platform/guarded.h"

#include <QSocketNotifier>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <vector>

namespace {
// A lab's server that is down or cut off is given up on within seconds rather than the
// system's minutes, and a connection whose peer vanished without closing it (a pulled cable, a
// laptop asleep) is noticed by TCP's keepalives and the unacknowledged-send limit.
constexpr const char* connectTimeoutSeconds = "5";
constexpr const char* keepaliveIdleSeconds = "10";
constexpr const char* keepaliveIntervalSeconds = "5";
constexpr const char* keepaliveCount = "3";
constexpr const char* unacknowledgedSendMs = "15000";
// Rounds of reading what waits on the socket before a statement: enough for a last message and
// the close behind it.
constexpr int maxReadsBeforeStatement = 4;
} // namespace

Connection::Connection(QObject* parent) : QObject(parent)
{}

Connection::~Connection()
{
    close();
}

void Connection::open(const QString& fileName, Mode mode)
{
    close();
    int flags = SQLITE_OPEN_READWRITE;
    if (mode == Mode::ReadOnly)
        flags = SQLITE_OPEN_READONLY;
    else if (mode == Mode::Create)
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(fileName.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw AppError(message);
    }
    db_ = db;
    engine_ = Engine::SQLite;
    sqlite3_extended_result_codes(db_, 0);
    setBusyTimeout(defaultBusyTimeoutMs);
}

void Connection::openServer(const QString& connectionString, const QString& user, const QString& password)
{
    close();
    const QByteArray dbname = connectionString.toUtf8();
    const QByteArray userText = user.toUtf8();
    const QByteArray passwordText = password.toUtf8();
    // The keywords before "dbname" are the program's defaults, which the connection string
    // overrides; those after it are fixed.
    std::vector<const char*> keywords{"connect_timeout",  "keepalives_idle", "keepalives_interval", "keepalives_count",
                                      "tcp_user_timeout", "dbname",          "client_encoding",     "application_name"};
    std::vector<const char*> values{connectTimeoutSeconds,
                                    keepaliveIdleSeconds,
                                    keepaliveIntervalSeconds,
                                    keepaliveCount,
                                    unacknowledgedSendMs,
                                    dbname.constData(),
                                    "UTF8",
                                    "vestoria"};
    if (!user.isEmpty()) {
        keywords.push_back("user");
        values.push_back(userText.constData());
    }
    if (!password.isEmpty()) {
        keywords.push_back("password");
        values.push_back(passwordText.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    // expand_dbname: the first value is a whole connection string, the later ones override it.
    PGconn* connection = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (PQstatus(connection) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
        PQfinish(connection);
        throw ConnectionLost(message);
    }
    // The server's notices ("already exists, skipping") are for a console, not for a student.
    PQsetNoticeProcessor(
        connection, [](void*, const char*) {}, nullptr);
    pg_ = connection;
    engine_ = Engine::PostgreSQL;
    busyTimeoutMs_ = defaultBusyTimeoutMs;
    try {
        applySessionState();
    } catch (...) {
        close();
        throw;
    }
}

void Connection::applySessionState()
{
    // While the state is set again after a break, the statements doing it must not try to
    // reopen the connection themselves.
    restoring_ = true;
    try {
        // Dates travel as "YYYY-MM-DD" whatever the server's own setting, and a row locked by
        // another program is waited for as long as on a course file.
        Statement(*this, QStringLiteral("SET DateStyle = 'ISO, YMD'")).run();
        Statement(*this, QStringLiteral("SET lock_timeout = ") + QString::number(busyTimeoutMs_)).run();
        for (const auto& [name, value] : sessionValues_)
            runSetConfig(name, value);
        for (const QString& channel : channels_)
            Statement(*this, QStringLiteral("LISTEN ") + Statement::quotedIdentifier(channel)).run();
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
    if (!channels_.isEmpty())
        startNotifier();
}

void Connection::checkServerConnection()
{
    if (!pg_ || restoring_)
        return;
    if (PQstatus(pg_) == CONNECTION_OK) {
        // A server that went away closed the socket, perhaps behind a last message; reading
        // what is there (the socket never blocks) tells without waiting.
        for (int round = 0; round < maxReadsBeforeStatement && PQstatus(pg_) == CONNECTION_OK; ++round)
            PQconsumeInput(pg_);
        // Notices read here would otherwise wait for the next one to wake the notifier.
        if (!channels_.isEmpty() && !notificationsQueued_) {
            notificationsQueued_ = true;
            QMetaObject::invokeMethod(this, &Connection::readNotifications, Qt::QueuedConnection);
        }
        if (PQstatus(pg_) == CONNECTION_OK)
            return;
    }
    if (transactionDepth_ > 0)
        throw ConnectionLost(engineMessage());
    stopNotifier();
    PQreset(pg_);
    if (PQstatus(pg_) != CONNECTION_OK)
        throw ConnectionLost(engineMessage());
    try {
        applySessionState();
    } catch (const AppError& error) {
        throw ConnectionLost(error.message());
    }
    emit reconnected();
}

bool Connection::serverConnectionBroke() const
{
    return pg_ && PQstatus(pg_) != CONNECTION_OK;
}

void Connection::close()
{
    stopNotifier();
    sessionValues_.clear();
    channels_.clear();
    transactionDepth_ = 0;
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    if (pg_) {
        PQfinish(pg_);
        pg_ = nullptr;
    }
    engine_ = Engine::None;
}

bool Connection::isReadOnly() const
{
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void Connection::setBusyTimeout(int milliseconds)
{
    busyTimeoutMs_ = milliseconds;
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
    if (pg_)
        Statement(*this, QStringLiteral("SET lock_timeout = ") + QString::number(milliseconds)).run();
}

void Connection::runSetConfig(const QString& name, const QString& value)
{
    Statement set(*this, QStringLiteral("SELECT set_config(?, ?, false)"));
    set.bind(1, name);
    set.bind(2, value);
    set.run();
}

void Connection::setSessionValue(const QString& name, const QString& value)
{
    if (!pg_)
        return;
    runSetConfig(name, value);
    for (auto& kept : sessionValues_) {
        if (kept.first == name) {
            kept.second = value;
            return;
        }
    }
    sessionValues_.append({name, value});
}

qint64 Connection::lastInsertRowId() const
{
    return pg_ ? serverInsertedRowId_ : sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const
{
    return pg_ ? serverChangedRows_ : sqlite3_changes(db_);
}

void Connection::recordServerResult(qint64 insertedRowId, int changedRows)
{
    if (insertedRowId != 0)
        serverInsertedRowId_ = insertedRowId;
    serverChangedRows_ = changedRows;
}

QString Connection::engineMessage() const
{
    if (db_)
        return QString::fromUtf8(sqlite3_errmsg(db_));
    if (pg_)
        return QString::fromUtf8(PQerrorMessage(pg_)).trimmed();
    return QStringLiteral("Database is not connected");
}

void Connection::listen(const QString& channel)
{
    if (!pg_)
        return;
    Statement(*this, QStringLiteral("LISTEN ") + Statement::quotedIdentifier(channel)).run();
    if (!channels_.contains(channel))
        channels_.append(channel);
    startNotifier();
}

void Connection::startNotifier()
{
    if (notifier_ || !pg_)
        return;
    notifier_ = new QSocketNotifier(PQsocket(pg_), QSocketNotifier::Read, this);
    connectGuarded(notifier_, &QSocketNotifier::activated, this, &Connection::readNotifications);
}

void Connection::stopNotifier()
{
    if (!notifier_)
        return;
    // It may be the notifier whose signal is being handled.
    notifier_->setEnabled(false);
    notifier_->deleteLater();
    notifier_ = nullptr;
}

void Connection::readNotifications()
{
    notificationsQueued_ = false;
    if (!pg_)
        return;
    if (!PQconsumeInput(pg_)) {
        // The socket stays readable once the server has gone: watching it would spin.
        stopNotifier();
        emit lost();
        return;
    }
    while (PGnotify* notice = PQnotifies(pg_)) {
        const QString channel = QString::fromUtf8(notice->relname);
        PQfreemem(notice);
        emit notified(channel);
    }
}
