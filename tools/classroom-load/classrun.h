#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// A whole class at once: starts every student as a process of its own (each with its own
// settings and data folder, as on its own computer), can stop and start the server in the
// middle, and reports per-step percentiles, errors and what the server stored.
class ClassRun {
public:
    struct Options {
        int students = 60;
        int thinkMs = 50;
        QString server;    // the students' connection string
        QString countWith; // the owner's connection string, to count the results stored
        QString stopCommand;
        QString startCommand;
        int outageAtMs = -1; // from the start of the run; -1 for none
        int outageForMs = 0;
        int patienceMs = 60000;
    };

    explicit ClassRun(const Options& options) : options_(options) {}

    // Runs the class and prints the report; gives the exit status (0 when every student's
    // result was stored once and nothing failed).
    int run(const QString& program);

private:
    struct Student {
        QString session;
        QString error;
        bool queued = false;
        qint64 deliveredAt = 0;
    };

    void readLine(Student& student, const QString& line);
    void printReport(qint64 serverBackAt);
    qsizetype errorCount() const;
    int countStored();

    Options options_;
    QVector<Student> students_;
    QMap<QString, QVector<double>> steps_;
    QStringList report_;
};
