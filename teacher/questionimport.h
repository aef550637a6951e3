#pragma once

class QWidget;
class Table;

// "Импорт вопросов…": asks for a text file in the Aiken format (UTF-8 or windows-1251), tells how
// many questions were read and every refused block with its line and reason, and only when the
// whole file is sound and the teacher agrees appends the questions to the bank in one step. The
// bank table is posted first and opened again afterwards, so that the editor shows the new ones.
void importQuestions(QWidget* parent, Table& bank);
