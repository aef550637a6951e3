#pragma once

#include <QString>
#include <QStringList>

class Connection;

// Brings a course between a course file and a classroom server. Publishing makes the server's
// schema and roles (again, where they exist) and replaces the course tables' rows by the file's;
// stored results and test sessions are never touched. Exporting writes the server's course and
// results into a new course file made from the course file schema.
class ClassroomPublisher {
public:
    // The course tables, copied whole on every publish.
    static const QStringList& courseTables();

    struct Passwords {
        QString student;
        QString teacher;
    };

    static void publish(const Connection& courseFile, const Connection& server, const Passwords& passwords);
    // fileSchema: the statements that create an empty course file's eight tables.
    static void exportCourse(const Connection& server, const QString& fileName, const QString& fileSchema);

private:
    static void copyRows(const Connection& from, const Connection& to, const QString& table);
    static void setPassword(const Connection& server, const QString& role, const QString& password);
};
