#pragma once

#include <QString>

class QWidget;
class Table;
struct AikenFile;

// "Импорт вопросов…": asks for a text file in the Aiken format (UTF-8 or windows-1251), tells how
// many questions were read and every refused block with its line and reason, and only when the
// whole file is sound and the teacher agrees appends the questions to the bank in one step. The
// bank table is posted first and opened again afterwards, so that the editor shows the new ones.
void importQuestions(QWidget* parent, Table& bank);

// What the teacher reads when a file has refused blocks: the counts, then each block's line and
// reason.
QString refusalReport(const QString& fileName, const AikenFile& file);
