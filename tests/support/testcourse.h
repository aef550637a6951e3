#pragma once

#include "tests/support/printers.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>

struct sqlite3;

// A temporary course folder made the working directory and the program folder while it lives:
// db1.mdb with the eight course tables (empty) and an empty Teoria folder.
class TestCourse {
public:
    TestCourse();
    ~TestCourse();
    TestCourse(const TestCourse&) = delete;
    TestCourse& operator=(const TestCourse&) = delete;

    QString path() const { return dir_.path(); }
    QString databasePath() const;

    // Runs SQL on the course file through a connection of its own, as another program would.
    void exec(const QString& sql) const;
    // The rows of a query, each row its columns joined by "|" (NULL shown as "<null>").
    QStringList rows(const QString& sql) const { return rowsOf(databasePath(), sql); }
    // The same on any course file, opened read-write as the program opens it (so that a journal
    // left by a killed writer is rolled back first).
    static QStringList rowsOf(const QString& databasePath, const QString& sql);

    // Writes a file below the course folder, making the folders on the way.
    void writeFile(const QString& relativePath, const QByteArray& contents) const;

    static QString schemaFile();

private:
    QTemporaryDir dir_;
    QString previousDirectory_;
};
