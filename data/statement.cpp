#include "data/statement.h"

#include "data/connection.h"
#include "data/connectionlost.h"
#include "platform/apperror.h"

#include <libpq-fe.h>
#include <sqlite3.h>
#include <vector>

namespace {

// Type numbers of the server's built-in types, as its catalogue fixes them.
constexpr Oid int2Type = 21;
constexpr Oid int4Type = 23;
constexpr Oid int8Type = 20;
constexpr Oid textType = 25;
constexpr Oid varcharType = 1043;
constexpr Oid dateType = 1082;
constexpr int varcharHeader = 4; // the type modifier of varchar(n) is n plus this

bool isIntegerType(Oid type)
{
    return type == int2Type || type == int4Type || type == int8Type;
}

QString parameterText(const FieldValue& value)
{
    switch (value.kind()) {
    case FieldValue::Kind::Null: return {};
    case FieldValue::Kind::Integer: return QString::number(value.toInteger());
    case FieldValue::Kind::Date: return value.asDate().toString(Qt::ISODate);
    case FieldValue::Kind::Text: return value.asText();
    }
    return {};
}

} // namespace

Statement::Statement(const Connection& connection, const QString& sql)
    : connection_(connection),
      db_(connection.handle())
{
    if (connection.isServer()) {
        serverText_ = numberedPlaceholders(sql).toUtf8();
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &statement_, nullptr) != SQLITE_OK)
        fail();
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
    PQclear(result_);
}

QString Statement::quotedIdentifier(const QString& identifier)
{
    QString result = identifier;
    result.replace(u'"', QStringLiteral("\"\""));
    return u'"' + result + u'"';
}

QString Statement::numberedPlaceholders(const QString& sql)
{
    QString result;
    result.reserve(sql.size() + 8);
    QChar quote;
    int number = 0;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'?') {
            result += u'$' + QString::number(++number);
            continue;
        }
        result += c;
    }
    return result;
}

void Statement::fail() const
{
    if (result_) {
        const char* primary = PQresultErrorField(result_, PG_DIAG_MESSAGE_PRIMARY);
        throw AppError(QString::fromUtf8(primary ? primary : PQresultErrorMessage(result_)).trimmed());
    }
    throw AppError(connection_.engineMessage());
}

void Statement::bind(int index, const FieldValue& value)
{
    if (connection_.isServer()) {
        if (index < 1)
            throw AppError(QStringLiteral("bind or column index out of range"));
        if (parameters_.size() < index)
            parameters_.resize(index);
        parameters_[index - 1] = value;
        return;
    }
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

void Statement::execute() const
{
    // Statements run with the connection as it was handed in; only a break is mended here.
    auto& connection = const_cast<Connection&>(connection_);
    connection.checkServerConnection();
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    texts.reserve(parameters_.size());
    for (const FieldValue& value : parameters_) {
        texts.push_back(parameterText(value).toUtf8());
        values.push_back(value.isNull() ? nullptr : texts.back().constData());
    }
    result_ = PQexecParams(connection_.serverHandle(), serverText_.constData(), static_cast<int>(values.size()),
                           nullptr, values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result_);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        if (connection.serverConnectionBroke())
            throw ConnectionLost(connection_.engineMessage());
        if (!result_)
            throw AppError(connection_.engineMessage());
        fail();
    }
    // An insert that hands back its row's number ("RETURNING rowid") tells the connection.
    qint64 inserted = 0;
    if (status == PGRES_TUPLES_OK && PQnfields(result_) == 1 && QByteArray(PQfname(result_, 0)) == "rowid"
        && QByteArray(PQcmdStatus(result_)).startsWith("INSERT") && PQntuples(result_) > 0)
        inserted = QByteArray(PQgetvalue(result_, 0, 0)).toLongLong();
    connection.recordServerResult(inserted, QByteArray(PQcmdTuples(result_)).toInt());
}

bool Statement::step()
{
    if (connection_.isServer()) {
        if (!result_)
            execute();
        ++row_;
        return row_ < PQntuples(result_);
    }
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
    if (connection_.isServer()) {
        if (!result_)
            execute();
        return PQnfields(result_);
    }
    return sqlite3_column_count(statement_);
}

QString Statement::columnName(int column) const
{
    if (connection_.isServer())
        return QString::fromUtf8(PQfname(result_, column));
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QString Statement::columnDeclaredType(int column) const
{
    if (connection_.isServer()) {
        // The server's types in the words a course file declares, so that both give the same fields.
        const Oid type = PQftype(result_, column);
        if (isIntegerType(type))
            return QStringLiteral("INTEGER");
        if (type == varcharType) {
            const int modifier = PQfmod(result_, column);
            return modifier > varcharHeader ? QStringLiteral("VARCHAR(%1)").arg(modifier - varcharHeader)
                                            : QStringLiteral("TEXT");
        }
        if (type == textType)
            return QStringLiteral("MEMO");
        if (type == dateType)
            return QStringLiteral("DATE");
        return QStringLiteral("TEXT");
    }
    const char* type = sqlite3_column_decltype(statement_, column);
    return type ? QString::fromUtf8(type) : QString();
}

qint64 Statement::columnInteger(int column) const
{
    if (connection_.isServer())
        return QByteArray(PQgetvalue(result_, row_, column)).toLongLong();
    return sqlite3_column_int64(statement_, column);
}

FieldValue Statement::columnValue(int column) const
{
    if (connection_.isServer()) {
        if (PQgetisnull(result_, row_, column))
            return {};
        if (isIntegerType(PQftype(result_, column)))
            return FieldValue(columnInteger(column));
        return FieldValue(QString::fromUtf8(PQgetvalue(result_, row_, column), PQgetlength(result_, row_, column)));
    }
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return FieldValue(static_cast<qint64>(sqlite3_column_int64(statement_, column)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return FieldValue(QString::fromUtf8(text, sqlite3_column_bytes(statement_, column)));
    }
    }
}
