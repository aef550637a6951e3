#pragma once

// What every fuzz target shares: a GUI application for the parsers that paint (metafiles draw text,
// the skin painters use QPainter), made once, without a screen.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

void ensureGuiApplication();

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
