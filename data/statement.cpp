#include "data/statement.h"

#include "data/connection.h"
#include "platform/apperror.h"

#include <sqlite3.h>

Statement::Statement(const Connection& connection, const QString& sql) : db_(connection.handle())
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &statement_, nullptr) != SQLITE_OK)
        fail();
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
}

void Statement::fail() const
{
    throw AppError(QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Statement::bind(int index, const FieldValue& value)
{
    int rc = SQLITE_OK;
    switch (value.kind()) {
    case FieldValue::Kind::Null: rc = sqlite3_bind_null(statement_, index); break;
    case FieldValue::Kind::Integer: rc = sqlite3_bind_int64(statement_, index, value.toInteger()); break;
    case FieldValue::Kind::Text: {
        const QByteArray text = value.asText().toUtf8();
        rc = sqlite3_bind_text(statement_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case FieldValue::Kind::Date: {
        const QByteArray text = value.asDate().toString(Qt::ISODate).toUtf8();
        rc = sqlite3_bind_text(statement_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK)
        fail();
}

bool Statement::step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

void Statement::run()
{
    while (step()) {}
}

int Statement::columnCount() const
{
    return sqlite3_column_count(statement_);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QString Statement::columnDeclaredType(int column) const
{
    const char* type = sqlite3_column_decltype(statement_, column);
    return type ? QString::fromUtf8(type) : QString();
}

qint64 Statement::columnInteger(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

FieldValue Statement::columnValue(int column) const
{
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return FieldValue(static_cast<qint64>(sqlite3_column_int64(statement_, column)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return FieldValue(QString::fromUtf8(text, sqlite3_column_bytes(statement_, column)));
    }
    }
}
