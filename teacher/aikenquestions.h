#pragma once

#include <QString>
#include <vector>

// A question read from a file in the Aiken format: the question's lines, two to five options
// "A)" ... "E)" (or "A." ... "E.") in order, then "ANSWER: X". Blocks are separated by blank
// lines.
struct AikenQuestion {
    int line = 0; // where its block starts, counted from 1
    // The question and its options one per line, as the answering window shows it; options are
    // written "A) ...", whichever way the file wrote them.
    QString text;
    QChar answer; // a Latin capital A to E
};

struct RefusedBlock {
    int line = 0; // of the line at fault, counted from 1
    QString reason;
};

struct AikenFile {
    std::vector<AikenQuestion> questions;
    std::vector<RefusedBlock> refused;
};

// Reads every block of the text; a block that breaks the format is refused with its reason and
// the rest are still read, so that a teacher sees every fault of a file at once.
AikenFile readAikenQuestions(const QString& text);
