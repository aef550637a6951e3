#pragma once

#include <QByteArray>
#include <QString>

// The text of a file that does not name its encoding: by its byte-order mark (which is left out);
// without one, UTF-8 when the bytes are valid UTF-8, otherwise windows-1251, the encoding of the
// course's older Russian files.
QString decodeUndeclaredText(const QByteArray& bytes);
