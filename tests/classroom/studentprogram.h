#pragma once

#include "tests/classroom/classroomserver.h"
#include "tests/support/messagerecorder.h"

#include <QList>
#include <QString>

// The real program started with the classroom setting in the user's settings, its password in a
// password file of libpq's, never in the settings.
class StudentProgram : public ClassroomServer {
protected:
    void SetUp() override;
    void TearDown() override;

    // The student's connection string as the settings hold it; extra keywords go at its end.
    QString studentSetting(const QString& extra = QString()) const;

    // Starts the program and a test for the student; false when either fails.
    bool startTest(const QString& name);
    // Chooses a letter for a position of the test with the mouse, as the student does.
    void answer(int position, int letter);
    // Starts the program, takes a whole test answering "B" everywhere and hands it in; gives the
    // question numbers drawn.
    QList<qint64> takeTest(const QString& name);
    // The session's entries as the server holds them, "nom1|otv" by position.
    QStringList storedEntries(const QString& session) const;
    // The question numbers the session drew, by position.
    QList<qint64> drawnQuestions(const QString& session) const;

    MessageRecorder boxes;
    QString passwordFile;
};
