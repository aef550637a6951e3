#include "data/classroompublisher.h"

#include "data/classroomschema.h"
#include "data/connection.h"
#include "data/statement.h"
#include "data/transaction.h"
#include "platform/apperror.h"

#include <QFile>

namespace {

constexpr auto quoted = &Statement::quotedIdentifier;

// The columns of a table as the engine reports them, without the server's own row number.
QStringList columnsOf(const Connection& connection, const QString& table)
{
    Statement probe(connection, QStringLiteral("SELECT * FROM ") + quoted(table) + QStringLiteral(" WHERE 1 = 0"));
    probe.step();
    QStringList columns;
    for (int column = 0; column < probe.columnCount(); ++column) {
        const QString name = probe.columnName(column);
        if (name != QLatin1String("rowid") && name != QLatin1String("session"))
            columns.append(name);
    }
    return columns;
}

} // namespace

const QStringList& ClassroomPublisher::courseTables()
{
    static const QStringList tables{QStringLiteral("test"),   QStringLiteral("media"),   QStringLiteral("Lekcia"),
                                    QStringLiteral("rasdel"), QStringLiteral("Present"), QStringLiteral("foto")};
    return tables;
}

void ClassroomPublisher::copyRows(const Connection& from, const Connection& to, const QString& table)
{
    const QStringList toColumns = columnsOf(to, table);
    QStringList columns;
    for (const QString& column : columnsOf(from, table))
        if (toColumns.contains(column, Qt::CaseInsensitive))
            columns.append(column);
    if (columns.isEmpty())
        return;
    QStringList quotedColumns;
    for (const QString& column : columns)
        quotedColumns.append(quoted(column));
    const QString list = quotedColumns.join(u',');
    Statement read(from, QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + quoted(table));
    const QString insertText = QStringLiteral("INSERT INTO ") + quoted(table) + QStringLiteral(" (") + list
                               + QStringLiteral(") VALUES (")
                               + QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')';
    while (read.step()) {
        Statement insert(to, insertText);
        for (int column = 0; column < columns.size(); ++column)
            insert.bind(column + 1, read.columnValue(column));
        insert.run();
    }
}

void ClassroomPublisher::setPassword(const Connection& server, const QString& role, const QString& password)
{
    if (password.isEmpty())
        return;
    Statement settings(server, QStringLiteral("SELECT set_config('vestoria.role', ?, true), "
                                              "set_config('vestoria.password', ?, true)"));
    settings.bind(1, role);
    settings.bind(2, password);
    settings.run();
    Statement(server, classroomSchema::setPasswordStatement()).run();
}

void ClassroomPublisher::publish(const Connection& courseFile, const Connection& server, const Passwords& passwords)
{
    if (!server.isServer())
        throw AppError(QStringLiteral("Публиковать курс можно только на сервер PostgreSQL"));
    Transaction transaction(server);
    Statement(server, classroomSchema::createRolesStatement()).run();
    for (const QString& statement : classroomSchema::schemaStatements())
        Statement(server, statement).run();
    setPassword(server, classroomSchema::studentRole, passwords.student);
    setPassword(server, classroomSchema::teacherRole, passwords.teacher);
    for (const QString& table : courseTables()) {
        Statement(server, QStringLiteral("DELETE FROM public.") + quoted(table)).run();
        copyRows(courseFile, server, table);
    }
    // New questions and results are numbered on after the highest number of any table.
    QStringList highest;
    for (const QString& table : courseTables() + QStringList{QStringLiteral("result")})
        highest.append(QStringLiteral("(SELECT max(id) FROM public.") + quoted(table) + u')');
    Statement(server, QStringLiteral("SELECT setval('public.course_id', greatest(1, ") + highest.join(u',')
                          + QStringLiteral("))"))
        .run();
    transaction.commit();
}

void ClassroomPublisher::exportCourse(const Connection& server, const QString& fileName, const QString& fileSchema)
{
    if (QFile::exists(fileName))
        throw AppError(QStringLiteral("Файл %1 уже существует: курс не выгружен").arg(fileName));
    Connection file;
    file.open(fileName, Connection::Mode::Create);
    try {
        Transaction transaction(file);
        QString withoutComments;
        for (const QString& line : fileSchema.split(u'\n'))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                withoutComments += line + u'\n';
        for (const QString& statement : withoutComments.split(u';', Qt::SkipEmptyParts))
            if (!statement.trimmed().isEmpty())
                Statement(file, statement).run();
        for (const QString& table : courseTables() + QStringList{QStringLiteral("result")})
            copyRows(server, file, table);
        transaction.commit();
    } catch (...) {
        file.close();
        QFile::remove(fileName);
        throw;
    }
}
