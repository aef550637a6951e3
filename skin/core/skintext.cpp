#include "skin/core/skintext.h"

#include "skin/core/paintprimitives.h"
#include "skin/core/skintables.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace {

int qtFlags(TextFlags flags)
{
    int result = 0;
    if (flags & TextFlag::Center)
        result |= Qt::AlignHCenter;
    else if (flags & TextFlag::Right)
        result |= Qt::AlignRight;
    else
        result |= Qt::AlignLeft;
    if (flags & TextFlag::VCenter)
        result |= Qt::AlignVCenter;
    else if (flags & TextFlag::Bottom)
        result |= Qt::AlignBottom;
    else
        result |= Qt::AlignTop;
    if (flags & TextFlag::WordBreak)
        result |= Qt::TextWordWrap;
    if (flags & TextFlag::SingleLine)
        result |= Qt::TextSingleLine;
    if (flags & TextFlag::ExpandTabs)
        result |= Qt::TextExpandTabs;
    if (flags & TextFlag::NoClip)
        result |= Qt::TextDontClip;
    if (!(flags & TextFlag::NoPrefix))
        result |= Qt::TextShowMnemonic;
    if (flags & TextFlag::RtlReading)
        result |= Qt::AlignAbsolute;
    return result;
}

// Fits the rectangle to the measured text: centred keeps the middle, right-aligned keeps the right
// edge, otherwise the left edge stays; vertically the middle stays.
QRect layout(const QPainter& canvas, const QString& text, TextFlags flags, const QRect& rect)
{
    if (flags & TextFlag::WordBreak)
        return rect;
    const QSize size = QFontMetrics(canvas.font()).size(qtFlags(flags) & Qt::TextShowMnemonic, text);
    const int w = size.width();
    const int h = size.height();
    const int dx = (w - rect.width()) / 2;
    const int dy = (h - rect.height()) / 2;
    int left = rect.left();
    int top = rect.top() - dy;
    int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height() + dy;
    if (flags & TextFlag::Center) {
        left -= dx;
        right += dx;
    } else if (flags & TextFlag::Right) {
        left += rect.width() - w;
    } else {
        right = left + w;
    }
    return QRect(left, top, right - left, bottom - top);
}

void drawAt(QPainter& canvas, const QRect& rect, QPoint shift, int flags, const QString& text, const QColor& color)
{
    canvas.setPen(color);
    canvas.drawText(rect.translated(shift), flags, text);
}

// The text in the colours of `section`, or in the pen's colour without one.
void writeText(QPainter& canvas, const QString& text, const TsGeneralData* section, const SkinTextStyle& style,
               QRect& rect)
{
    if (text.isEmpty())
        return;
    const bool enabled = style.enabled;
    const bool hot = style.hot;
    const TextFlags flags = style.flags;
    const QRect area = layout(canvas, text, flags, rect);
    const int drawFlags = qtFlags(flags);
    canvas.save();
    canvas.setBrush(Qt::NoBrush);
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setLayoutDirection(flags & TextFlag::RtlReading ? Qt::RightToLeft : Qt::LeftToRight);
    if (!enabled) {
        drawAt(canvas, area, QPoint(1, 1), drawFlags, text, toQColor(clBtnHighlight));
        drawAt(canvas, area, QPoint(0, 0), drawFlags, text, toQColor(clBtnShadow));
    } else if (section) {
        const struct {
            int32_t color;
            QPoint shift;
        } outlines[] = {
            {hot ? section->hotTcLeft : section->tcLeft, QPoint(-1, 0)},
            {hot ? section->hotTcTop : section->tcTop, QPoint(0, -1)},
            {hot ? section->hotTcRight : section->tcRight, QPoint(1, 0)},
            {hot ? section->hotTcBottom : section->tcBottom, QPoint(0, 1)},
        };
        for (const auto& outline : outlines)
            if (outline.color != clNoColor)
                drawAt(canvas, area, outline.shift, drawFlags, text, toQColor(outline.color));
        drawAt(canvas, area, QPoint(0, 0), drawFlags, text, toQColor(hot ? section->hotFontColor : section->fontColor));
    } else {
        canvas.drawText(area, drawFlags, text);
    }
    canvas.restore();
    rect = area.adjusted(-1, -1, 1, 1);
}

} // namespace

void writeSkinText(const SkinTables& skin, QPainter& canvas, const QString& text, const SkinTextStyle& style,
                   QRect& rect)
{
    const TsGeneralData* section =
        skin.isValidSectionIndex(style.sectionIndex) ? &skin.sections[style.sectionIndex] : nullptr;
    writeText(canvas, text, section, style, rect);
}

void writePlainText(QPainter& canvas, const QString& text, bool enabled, TextFlags flags, QRect& rect)
{
    writeText(canvas, text, nullptr, {.enabled = enabled, .flags = flags}, rect);
}

QString shortenText(const QFont& font, const QString& text, int width)
{
    if (width <= 0)
        return QString();
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis = QStringLiteral("...");
    QString result = text;
    while (!result.isEmpty() && metrics.horizontalAdvance(result + ellipsis) > width)
        result.chop(1);
    return result.isEmpty() ? result : result + ellipsis;
}

QSize textExtent(const QFont& font, const QString& text)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QSize(0, 0);
    const QFontMetrics metrics(font);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}
