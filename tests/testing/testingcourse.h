#pragma once

#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QString>
#include <QStringList>

class QTreeWidgetItem;

// A temporary course with a numbered question bank and the program running on it, the random
// source back at its program-start state. Message boxes are recorded.
class TestingCourse {
public:
    // questions: the bank holds questions numbered 1 .. questions, text "Вопрос <n>", correct answer
    // correctAnswer. extraSql runs on the course before the program starts.
    explicit TestingCourse(int questions, const QString& correctAnswer = QStringLiteral("A"),
                           const QString& extraSql = QString());
    ~TestingCourse();
    TestingCourse(const TestingCourse&) = delete;
    TestingCourse& operator=(const TestingCourse&) = delete;

    bool started() const { return started_; }

    // Types the name and presses "Начать тестирование".
    void startTest(const QString& name = QStringLiteral("Иванов Иван Иванович"));
    // Clicks the position's entry in the answering window's list.
    void choosePosition(int position);
    // Clicks the answer letter (0 = "A" .. 4 = "E").
    void chooseAnswer(int item);
    void handIn();

    QStringList positions() const; // the captions of the answering window's list
    int checkedAnswer() const;     // the checked answer button, -1 for none
    QStringList column(const QString& sql) const { return course.rows(sql); }

    TestCourse course;
    MessageRecorder boxes;

private:
    bool started_ = false;
};
