#pragma once

#include "app/startup.h"
#include "tests/support/testcourse.h"

#include <QString>
#include <QTest>
#include <QWidget>

// The whole program on a temporary course that holds the given rows.
struct TeacherProgram {
    explicit TeacherProgram(const QString& inserts = {})
    {
        if (!inserts.isEmpty())
            course.exec(inserts);
        created = createProgram();
    }
    ~TeacherProgram() { destroyProgram(); }

    TestCourse course;
    bool created = false;
};

// Types text as a keyboard would, letters beyond ASCII included (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        const auto key = character.unicode() < 0x80 ? Qt::Key(character.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(character), Qt::NoModifier);
    }
}
