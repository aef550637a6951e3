#pragma once

#include "platform/form.h"

class TsEdit;
class TsLabel;
class TsPanel;
class TsSkinProvider;
struct Grade;

// The result window: the student's name, the number of questions and of correct answers, the
// mark and the letter grade.
class TForm6 : public Form {
    Q_OBJECT

public:
    TForm6();

    TsPanel* sPanel1 = nullptr;
    TsLabel* Label1 = nullptr; // the student's name
    TsLabel* Label2 = nullptr;
    TsLabel* Label3 = nullptr;
    TsLabel* Label4 = nullptr;
    TsLabel* Label5 = nullptr;
    TsEdit* Edit1 = nullptr; // number of questions
    TsEdit* Edit2 = nullptr; // correct answers
    TsEdit* Edit3 = nullptr; // mark
    TsEdit* Edit4 = nullptr; // letter grade

    void showResult(const QString& name, int questions, int correct, const Grade& grade);
    // A test handed in while the server could not be reached: the name and the number of
    // questions, no grades, and a caption that says the result is on its way.
    void showQueued(const QString& name, int questions);
    // The caption tells whether the result shown is in the course's records.
    void setResultStored(bool stored);

    static const QString notStoredCaption;
    static const QString queuedCaption;

    TsSkinProvider* sSkinProvider1 = nullptr;

private:
    void fitName();
    // Puts box over the blanks that follow lead in label's caption, or just after the caption.
    static void placeBox(TsLabel* label, TsEdit* box, const QString& lead, int blanks, int widthAfter = 0);

protected:
    void createControls() override;
};

extern TForm6* Form6;
