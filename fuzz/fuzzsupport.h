#pragma once

// What every fuzz target shares: a GUI application for the parsers that paint (metafiles draw text,
// the skin painters use QPainter), made once, without a screen.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

void ensureGuiApplication();

// Loads the bytes as a picture file with that extension (empty: recognised by content) and draws
// it, as the photo window would; a refused file is an answer, only a crash or a sanitizer report
// is a finding.
void loadAndDrawPicture(const uint8_t* data, size_t size, const QString& extension);

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
