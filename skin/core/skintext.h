#pragma once

// Text in a skin's colours. The format flags keep the platform's text-drawing values, so that
// controls can pass what they would pass to the platform.

#include <QFlags>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

enum class TextFlag : unsigned {
    Center = 0x1,
    Right = 0x2,
    VCenter = 0x4,
    Bottom = 0x8,
    WordBreak = 0x10,
    SingleLine = 0x20,
    ExpandTabs = 0x40,
    NoClip = 0x100,
    NoPrefix = 0x800,
    // Right-to-left reading order; the alignment flags keep their meaning.
    RtlReading = 0x20000,
};
Q_DECLARE_FLAGS(TextFlags, TextFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextFlags)

struct SkinTables;

// How skin text is drawn.
struct SkinTextStyle {
    // Its colours come from this section of the skin the text is written with; an invalid index
    // draws in the painter's pen colour.
    int sectionIndex = -1;
    bool enabled = true;
    bool hot = false;
    TextFlags flags = {};
};

// Draws `text` into `rect` with the painter's font: when enabled, in the state's font colour of
// the style's section with its outline colours one pixel to the left, top, right and bottom (each
// only when not -1); disabled text is embossed. Without word break the rectangle is first fitted
// to the text; `rect` comes back as the drawn rectangle grown by one pixel on every side.
void writeSkinText(const SkinTables& skin, QPainter& canvas, const QString& text, const SkinTextStyle& style,
                   QRect& rect);

// The same layout in the painter's current pen colour.
void writePlainText(QPainter& canvas, const QString& text, bool enabled, TextFlags flags, QRect& rect);

// `text` cut at its end and followed by "..." so that it fits in `width` pixels; unchanged when it
// fits already, empty when nothing fits.
QString shortenText(const QFont& font, const QString& text, int width);

// Width and height of the text in `font`; 0 x 0 when it cannot be measured.
QSize textExtent(const QFont& font, const QString& text);
