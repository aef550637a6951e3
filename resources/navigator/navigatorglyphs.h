#pragma once

#include <QImage>

// The built-in glyphs of the table navigator, read from the program's resources on first use and
// shared by every navigator until the program ends. index 0 to 9 in button order ("SDBN_FIRST" to
// "SDBN_REFRESH"); any other index gives a null image.
const QImage& navigatorGlyph(int index);

constexpr int navigatorGlyphCount = 10;
