#pragma once

#include <QByteArray>
#include <QString>

// The text of a file that does not name its encoding: by its byte-order mark (which is left out);
// without one, UTF-8 when the bytes are valid UTF-8, otherwise windows-1251, the encoding of the
// course's older Russian files.
QString decodeUndeclaredText(const QByteArray& bytes);

// Whether decoded text is text a person wrote. Any bytes decode as windows-1251, so a picture, an
// archive or a damaged file where a lecture was would otherwise come out as megabytes of garbled
// letters; such bytes give control characters and undecodable ones, which written text hardly has.
bool readsAsText(const QString& text);
