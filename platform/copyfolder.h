#pragma once

#include <QString>

// Copies every file below `from` into the same places below `to`, making the folders on the way.
// Returns what went wrong, naming the file, or an empty text when all of it was copied.
QString copyFolder(const QString& from, const QString& to);
