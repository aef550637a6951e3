#pragma once

#include "teacher/dbgridmodel.h"

#include <QByteArray>
#include <QList>

class FieldValue;
class Table;

// The records of a table as a spreadsheet file: UTF-8 with a byte-order mark (so that
// spreadsheets read Cyrillic names intact), a header row of the column titles, one row per record
// in the table's order, CRLF line ends. Numbers are written as numbers and dates as ISO dates;
// text is quoted when it holds a comma, a quote or a line break (quotes doubled). Text that a
// spreadsheet would take for a formula gets a leading apostrophe, so that opening the file runs
// nothing a student typed as a name.
QByteArray recordsAsCsv(const Table& table, const QList<DBGridColumn>& columns);

// One field of such a file.
QByteArray csvField(const FieldValue& value);
