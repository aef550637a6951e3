#pragma once

#include "platform/form.h"

class TsButton;
class TsEdit;
class TsLabel;
class TsSkinProvider;

// The registration window: the student's name, and the start of a test.
class TForm4 : public Form {
    Q_OBJECT

public:
    TForm4();

    TsLabel* Label1 = nullptr;
    TsEdit* Edit1 = nullptr; // grading reads the student's name from here
    TsButton* sButton1 = nullptr;

    // Draws a fresh test set of 20 questions and opens the answering window on it.
    void sButton1Click();

    static constexpr int questionsPerTest = 20;
    // Said instead of starting a test when the course cannot store answers.
    static const QString readOnlyCourseMessage;
    // Said, before the server's own words, when a test cannot start for want of the server.
    static const QString noServerMessage;

    TsSkinProvider* sSkinProvider1 = nullptr;

protected:
    void createControls() override;
};

extern TForm4* Form4;
