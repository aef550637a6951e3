#pragma once

// Text in a skin's colours. The format flags keep the platform's text-drawing values, so that
// controls can pass what they would pass to the platform.

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

namespace TextFlag {
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned VCenter = 0x4;
constexpr unsigned Bottom = 0x8;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned SingleLine = 0x20;
constexpr unsigned ExpandTabs = 0x40;
constexpr unsigned NoClip = 0x100;
constexpr unsigned NoPrefix = 0x800;
} // namespace TextFlag

// Draws `text` into `rect` with the painter's font: when enabled, in the state's font colour of
// section `sectionIndex` with its outline colours one pixel to the left, top, right and bottom
// (each only when not -1); disabled text is embossed. Without word break the rectangle is first
// fitted to the text; `rect` comes back as the drawn rectangle grown by one pixel on every side.
void writeSkinText(QPainter& canvas, const QString& text, bool enabled, bool hot, int sectionIndex,
                   unsigned flags, QRect& rect);

// The same layout in the painter's current pen colour.
void writePlainText(QPainter& canvas, const QString& text, bool enabled, unsigned flags, QRect& rect);

// `text` cut at its end and followed by "..." so that it fits in `width` pixels; unchanged when it
// fits already, empty when nothing fits.
QString shortenText(const QFont& font, const QString& text, int width);

// Width and height of the text in `font`; 0 x 0 when it cannot be measured.
QSize textExtent(const QFont& font, const QString& text);
