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

    TsPanel* sPanel1;
    TsLabel* Label1; // the student's name
    TsLabel* Label2;
    TsLabel* Label3;
    TsLabel* Label4;
    TsLabel* Label5;
    TsEdit* Edit1; // number of questions
    TsEdit* Edit2; // correct answers
    TsEdit* Edit3; // mark
    TsEdit* Edit4; // letter grade

    void showResult(const QString& name, int questions, int correct, const Grade& grade);
    // The caption tells whether the result shown is in the course's records.
    void setResultStored(bool stored);

    static const QString notStoredCaption;

    TsSkinProvider* sSkinProvider1;

private:
    void fitName();
    // Puts box over the blanks that follow lead in label's caption, or just after the caption.
    static void placeBox(TsLabel* label, TsEdit* box, const QString& lead, int blanks, int widthAfter = 0);
};

extern TForm6* Form6;
