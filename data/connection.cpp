#include "data/connection.h"

#include "platform/apperror.h"

#include <sqlite3.h>

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
    sqlite3_extended_result_codes(db_, 0);
    setBusyTimeout(defaultBusyTimeoutMs);
}

void Connection::close()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool Connection::isReadOnly() const
{
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void Connection::setBusyTimeout(int milliseconds)
{
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
}

qint64 Connection::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const
{
    return sqlite3_changes(db_);
}

QString Connection::engineMessage() const
{
    return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("Database is not connected");
}
