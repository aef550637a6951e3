#include "data/connection.h"

#include "data/statement.h"
#include "platform/apperror.h"

#include <QSocketNotifier>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <vector>

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
    std::vector<const char*> keywords{"dbname", "client_encoding", "application_name"};
    std::vector<const char*> values{dbname.constData(), "UTF8", "vestoria"};
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
        throw AppError(message);
    }
    // The server's notices ("already exists, skipping") are for a console, not for a student.
    PQsetNoticeProcessor(
        connection, [](void*, const char*) {}, nullptr);
    pg_ = connection;
    engine_ = Engine::PostgreSQL;
    try {
        // Dates travel as "YYYY-MM-DD" whatever the server's own setting, and a row locked by
        // another program is waited for as long as on a course file.
        Statement(*this, QStringLiteral("SET DateStyle = 'ISO, YMD'")).run();
        setBusyTimeout(defaultBusyTimeoutMs);
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close()
{
    delete notifier_;
    notifier_ = nullptr;
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
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
    if (pg_)
        Statement(*this, QStringLiteral("SET lock_timeout = ") + QString::number(milliseconds)).run();
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
    Statement(*this, QStringLiteral("LISTEN ") + channel).run();
    if (!notifier_) {
        notifier_ = new QSocketNotifier(PQsocket(pg_), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &Connection::readNotifications);
    }
}

void Connection::readNotifications()
{
    if (!pg_ || !PQconsumeInput(pg_))
        return;
    while (PGnotify* notice = PQnotifies(pg_)) {
        const QString channel = QString::fromUtf8(notice->relname);
        PQfreemem(notice);
        emit notified(channel);
    }
}
