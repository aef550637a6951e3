#pragma once

#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

// A temporary course for a benchmark: the empty course tables with the given SQL run over them
// in one transaction, made the working directory and the program folder while it lives.
class BenchCourse {
public:
    explicit BenchCourse(const QString& sql)
    {
        QFile schema(QStringLiteral(VESTORIA_SCHEMA_FILE));
        schema.open(QIODevice::ReadOnly);
        sqlite3* db = nullptr;
        sqlite3_open(QDir(dir_.path()).filePath(QStringLiteral("db1.mdb")).toUtf8().constData(), &db);
        const QByteArray script = "BEGIN;" + schema.readAll() + sql.toUtf8() + ";COMMIT;";
        sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QDir::setCurrent(dir_.path());
        setProgramFolderOverride(dir_.path());
    }

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};
