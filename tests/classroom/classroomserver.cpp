#include "tests/classroom/classroomserver.h"

#include "data/classroompublisher.h"
#include "data/classroomschema.h"
#include "data/statement.h"

#include <QCoreApplication>
#include <QUuid>

QString ClassroomServer::serverSetting() const
{
    return qEnvironmentVariable("VESTORIA_TEST_SERVER");
}

QString ClassroomServer::loopbackSetting() const
{
    return qEnvironmentVariable("VESTORIA_TEST_SERVER_TCP");
}

void ClassroomServer::SetUp()
{
    if (serverSetting().isEmpty())
        GTEST_SKIP() << "no test server (VESTORIA_TEST_SERVER); ./test starts one";
    database = QStringLiteral("vt_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    Connection maintenance;
    maintenance.openServer(serverSetting() + QStringLiteral(" dbname=postgres"));
    Statement(maintenance, QStringLiteral("CREATE DATABASE ") + database).run();
    owner = std::make_unique<Connection>();
    owner->openServer(ownerConnection());
    publish();
}

void ClassroomServer::TearDown()
{
    if (database.isEmpty())
        return;
    owner.reset();
    Connection maintenance;
    maintenance.openServer(serverSetting() + QStringLiteral(" dbname=postgres"));
    Statement(maintenance, QStringLiteral("DROP DATABASE IF EXISTS ") + database + QStringLiteral(" WITH (FORCE)"))
        .run();
}

void ClassroomServer::publish()
{
    Connection file;
    file.open(course.databasePath(), Connection::Mode::ReadOnly);
    ClassroomPublisher::publish(file, *owner, {studentPassword, teacherPassword});
}

QString ClassroomServer::ownerConnection() const
{
    return serverSetting() + QStringLiteral(" dbname=") + database;
}

QString ClassroomServer::roleConnection(const QString& role) const
{
    return loopbackSetting() + QStringLiteral(" dbname=") + database + QStringLiteral(" user=") + role;
}

std::unique_ptr<Connection> ClassroomServer::connectAs(const QString& role, const QString& password) const
{
    auto connection = std::make_unique<Connection>();
    connection->openServer(roleConnection(role), QString(), password);
    return connection;
}

std::unique_ptr<Connection> ClassroomServer::studentSession(const QString& session) const
{
    auto connection = connectAs(classroomSchema::studentRole, studentPassword);
    connection->setSessionValue(classroomSchema::sessionSetting, session);
    return connection;
}

QStringList ClassroomServer::ownerRows(const QString& sql) const
{
    Statement select(*owner, sql);
    QStringList rows;
    while (select.step()) {
        QStringList columns;
        for (int column = 0; column < select.columnCount(); ++column) {
            const FieldValue value = select.columnValue(column);
            columns.append(value.isNull() ? QStringLiteral("<null>") : value.asText());
        }
        rows.append(columns.join(u'|'));
    }
    return rows;
}

void ClassroomServer::addQuestions(int count)
{
    QStringList rows;
    for (int number = 1; number <= count; ++number)
        rows.append(QStringLiteral("(%1, 'Вопрос %1', '%2')").arg(number).arg(QChar(u"ABCDE"[number % 5])));
    course.exec(QStringLiteral("INSERT INTO test (nom, test, otv) VALUES ") + rows.join(u','));
}
