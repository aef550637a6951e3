#pragma once

#include <QString>
#include <functional>

// Draws a new test set of count questions into the test table (DataModule2's ADOTable5),
// emptying it first: the entries "1".."count", each with a question number drawn from the
// program's random source. Each position's caption is handed to addPosition just before its
// entry is stored.
void drawTestSet(int count, const std::function<void(const QString& caption)>& addPosition = {});
