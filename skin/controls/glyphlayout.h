#pragma once

// Where a button with a glyph puts its glyph and its caption: speed buttons and glyph buttons
// share these rules.

#include "skin/core/disabledkind.h"
#include "skin/core/glyph.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QFontMetrics;
class QString;
class QWidget;
struct SkinTables;
enum class CaptionAlignment;

// Where the glyph stands relative to the caption.
enum class GlyphLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct GlyphLayoutInput {
    QSize size = {};       // the button's
    QSize glyph = {};      // 0 x 0 without a glyph
    int dropDownWidth = 0; // the arrow part at the right edge, not laid out into
    int margin = -1;       // from the edge to the content; negative centres it
    int spacing = 4;       // between glyph and caption
    int textOffset = 0;    // the caption moves right by this much
    bool captionShown = true;
    bool pressed = false; // glyph and caption move one pixel down and right
    GlyphLayout layout = GlyphLayout::GlyphLeft;
    CaptionAlignment alignment{}; // callers always give it
};

struct GlyphPlacement {
    QPoint glyph;  // top-left corner
    QRect caption; // where the caption is written, centred and word-broken
};

// `caption` is measured with word breaking and tab expansion in the width left beside the glyph.
GlyphPlacement layoutGlyphAndCaption(const GlyphLayoutInput& input, const QFontMetrics& metrics,
                                     const QString& caption);

// A button's glyph: a bitmap of up to four frames, or an image of an image list when one is
// chosen, and how it is drawn while the button is not hot or is disabled.
struct ButtonGlyph {
    QImage bitmap;
    int numGlyphs = 1;
    QList<QImage> images;
    int32_t imagesBackground = clNoColor;
    int imageIndex = -1;
    int blend = 0;
    bool grayed = false;
    TsDisabledKind disabledKind = dkBlended;
};

// What the face of `button` shows over its section: the glyph and the caption (the button's text
// and font) laid out by `layout`, whose glyph size is filled in here. The caption is written in
// the hot colours of section `sectionIndex` of `skin` when `hotText` is set. Answers where both
// went.
GlyphPlacement paintGlyphAndCaption(QImage& cache, const QWidget& button, const ButtonGlyph& glyph,
                                    GlyphLayoutInput layout, GlyphState glyphState, bool hot, bool hotText,
                                    const SkinTables& skin, int sectionIndex);
