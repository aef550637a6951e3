#pragma once

#include <QString>

// No title is set anywhere, so the program is called after its executable: the file name up to
// its first dot, first letter capital, the rest small ("vestoria" -> "Vestoria").
QString applicationTitle();
QString titleFromExecutableName(const QString& fileName);
