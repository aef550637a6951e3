#pragma once

#include <QStringList>
#include <optional>

// The program reads no options but these two, which answer on standard output and end at once,
// before any window or course is touched: `--help` and `--version`. Anything else on the command
// line is left alone, as it always was.
std::optional<QString> commandLineAnswer(const QStringList& arguments, const QString& version);
