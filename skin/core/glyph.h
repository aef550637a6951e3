#pragma once

#include "skin/core/disabledkind.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QList>
#include <QPoint>

#include <cstdint>

// The look a glyph bitmap is asked for. A bitmap holds up to four frames side by side: up,
// disabled, down and exclusive (held down as the chosen one of a group).
enum class GlyphState { Up, Down, Exclusive };

// How a button draws its glyph.
struct GlyphLook {
    // The share of the background that shows through an idle glyph.
    int blendPercent = 0;
    bool hot = false;
    bool enabled = true;
    // An enabled glyph that is not hot is drawn in grey levels.
    bool greyed = false;
    TsDisabledKind disabledKind = dkBlended;
    // The number of frames in the bitmap, 1 to 4.
    int glyphCount = 1;
    GlyphState state = GlyphState::Up;
};

// The width of one frame of a bitmap of `glyphCount` frames.
int glyphFrameWidth(const QImage& glyph, int glyphCount);

// Draws a button's own glyph with its top-left corner at `at`. The frame drawn is the one of the
// look's state: a missing exclusive frame falls back to the down frame, a missing down frame to
// the up frame, and a missing disabled frame to the up frame in the disabled look. The frame's
// bottom-left pixel is its transparent colour.
void paintGlyph(QImage& target, QPoint at, const QImage& glyph, const GlyphLook& look);

// `bitmap` becomes image `index` of an image list (images of one size) on the list's background
// colour (0x00BBGGRR; the key colour when the list has none), so that it can be drawn like any
// other glyph. An index outside the list leaves only the background.
void imageListGlyph(QImage& bitmap, const QList<QImage>& images, int index, int32_t backgroundColor = clNoColor);
