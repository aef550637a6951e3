#pragma once

#include <QString>
#include <vector>

struct Question {
    int number;
    QString text;   // the question and its five options, one per line
    QString answer; // the capital Latin letter of the right option
};

// Questions are blocks separated by blank lines: the question's lines, the options "A)" to "E)"
// in order, and a last line "Ответ: X". Blocks are numbered 1, 2, 3, ... in order.
std::vector<Question> parseQuestions(const QString& text);
