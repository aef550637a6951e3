#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the code page of Russian Windows: course files written there still arrive in it.
// A character the code page lacks is an error, never a silent '?'.
QByteArray toCp1251(const QString& text);
