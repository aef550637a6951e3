#pragma once

#include <QObject>
#include <QString>

// One student of a load run, in a process of its own: starts the program's data module on the
// classroom server, draws a test, gives 20 answers with a pause between them and hands in,
// exactly as the answering window does, and reports each step on standard output as a line
// "STEP MILLISECONDS" ("start", "answer", "hand-in"), then "session ID", "queued" when the
// hand-in waits for the server, and "delivered EPOCH-MILLISECONDS" once the result is stored.
class StudentRun : public QObject {
    Q_OBJECT

public:
    StudentRun(const QString& name, int thinkMs, int patienceMs);

    // Runs the student to the end; gives the process's exit status.
    int run();

private:
    void startTest();
    void waitForDelivery();
    static void report(const QString& line);

    QString name_;
    int thinkMs_;
    int patienceMs_;
};
