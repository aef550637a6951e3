#pragma once

#include "teacher/dbgridmodel.h"

#include <QList>

class QWidget;
class Table;

// "Экспорт в CSV…": asks where to save (today's date in the suggested name) and writes the
// records the grid shows, with its column titles, as a spreadsheet file. The file appears whole
// or not at all; a failure is told with its reason.
void exportResults(QWidget* parent, const Table& results, const QList<DBGridColumn>& columns);
