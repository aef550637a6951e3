#pragma once

#include "skin/core/disabledkind.h"

#include <QImage>
#include <QList>
#include <QPoint>

// How a button draws its glyph.
struct GlyphLook {
    // The share of the background that shows through an idle glyph.
    int blendPercent = 0;
    bool hot = false;
    bool enabled = true;
    // An enabled glyph that is not hot is drawn in grey levels.
    bool greyed = false;
    TsDisabledKind disabledKind = dkBlended;
    // With two glyphs the bitmap holds the normal and the disabled glyph side by side.
    int glyphCount = 1;
};

// Draws a button's own glyph with its top-left corner at `at`. The glyph's bottom-left pixel is
// its transparent colour.
void paintGlyph(QImage& target, QPoint at, const QImage& glyph, const GlyphLook& look);

// `bitmap` becomes image `index` of an image list (images of one size) on the key colour, so that
// it can be drawn like any other glyph. An index outside the list leaves only the key colour.
void imageListGlyph(QImage& bitmap, const QList<QImage>& images, int index);
