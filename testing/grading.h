#pragma once

#include <QString>

class FieldValue;

// The two grades of a handed-in test: the mark "2" .. "5" and the letter grade with its points.
struct Grade {
    QString mark;
    QString letterText; // as shown, e.g. "B+ (3.33)"
    QString letter;     // as stored, e.g. "B+"
};

// The grades for count correct answers out of questions.
Grade gradeFor(int count, int questions);

// Whether a given answer equals the correct one: exact text, case and blanks included; a missing
// answer equals only a missing correct answer.
bool answersMatch(const FieldValue& given, const FieldValue& correct);
