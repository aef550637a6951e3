#pragma once

#include <QFlags>
#include <QImage>
#include <QList>
#include <QRect>

enum TsDisabledGlyphKindItem { dgBlended = 1, dgGrayed = 2 };
Q_DECLARE_FLAGS(TsDisabledGlyphKind, TsDisabledGlyphKindItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TsDisabledGlyphKind)

// Draws a button's own glyph at the rectangle's top-left corner. The glyph's bottom-left pixel is
// its transparent colour. With two glyphs the bitmap holds the normal and the disabled glyph side
// by side. `blendPercent` is the share of the background that shows through an idle glyph.
void paintGlyph(const QImage& glyph, QImage& target, const QRect& rect, int blendPercent, bool hot,
                TsDisabledGlyphKind disabledKind, bool greyed, bool enabled, int glyphCount);

// `bitmap` becomes image `index` of an image list (images of one size) on the key colour, so that
// it can be drawn like any other glyph. An index outside the list leaves only the key colour.
void imageListGlyph(QImage& bitmap, const QList<QImage>& images, int index);
