#include "tests/support/testcourse.h"

#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

namespace {
sqlite3* openDatabase(const QString& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open test database");
    sqlite3_busy_timeout(db, 3000);
    return db;
}
} // namespace

QString TestCourse::schemaFile()
{
    return QStringLiteral(VESTORIA_SCHEMA_FILE);
}

TestCourse::TestCourse()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary course folder");
    QFile schema(schemaFile());
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema file missing");
    QDir(dir_.path()).mkpath(QStringLiteral("Teoria"));
    exec(QString::fromUtf8(schema.readAll()));
    previousDirectory_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    setProgramFolderOverride(dir_.path());
}

TestCourse::~TestCourse()
{
    setProgramFolderOverride(QString());
    QDir::setCurrent(previousDirectory_);
}

QString TestCourse::databasePath() const
{
    return dir_.filePath(QStringLiteral("db1.mdb"));
}

void TestCourse::exec(const QString& sql) const
{
    sqlite3* db = openDatabase(databasePath());
    char* error = nullptr;
    // One transaction per call: a file sync per statement would make every test slow.
    const QString script = QStringLiteral("BEGIN;\n") + sql + QStringLiteral(";\nCOMMIT;");
    const int rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test SQL failed: " + message);
}

QStringList TestCourse::rowsOf(const QString& databasePath, const QString& sql)
{
    sqlite3* db = openDatabase(databasePath);
    sqlite3_stmt* statement = nullptr;
    QStringList result;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                columns.append(text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
            }
            result.append(columns.join(u'|'));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

void TestCourse::writeFile(const QString& relativePath, const QByteArray& contents) const
{
    const QString full = dir_.filePath(relativePath);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        throw std::runtime_error("cannot write test file");
}
