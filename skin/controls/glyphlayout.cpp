#include "skin/controls/glyphlayout.h"

#include "skin/controls/tsskinprovider.h"

#include "skin/core/skintext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QWidget>

GlyphPlacement layoutGlyphAndCaption(const GlyphLayoutInput& in, const QFontMetrics& metrics, const QString& caption)
{
    const int w = in.size.width();
    const int h = in.size.height();
    const int m = in.margin < 0 ? 0 : in.margin + 3;
    const int d = in.dropDownWidth;
    const int gw = in.glyph.width();
    const int gh = in.glyph.height();
    const bool textShown = in.captionShown && !caption.isEmpty();
    QSize text(0, 0);
    if (textShown) {
        const int room = w - d - 2 * in.margin - (gw > 0 ? gw + in.spacing : 0);
        text = metrics.boundingRect(QRect(0, 0, std::max(room, 0), h), Qt::TextWordWrap | Qt::TextExpandTabs, caption)
                   .size();
    }
    const int tw = text.width();
    const int th = text.height();
    const int s = gw > 0 && textShown ? in.spacing : 0;
    const int g = gw > 0 ? gw + in.spacing : 0;
    const int hx = (w - d - gw - s - tw) / 2 - m;
    const int hy = (h - gh - s - th) / 2 - m;

    // Horizontal placements by alignment: left, right, centre.
    const auto byAlignment = [&](int left, int right, int centre) {
        switch (in.alignment) {
        case CaptionAlignment::Left: return left;
        case CaptionAlignment::Right: return right;
        case CaptionAlignment::Center: break;
        }
        return centre;
    };

    GlyphPlacement placed;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    switch (in.layout) {
    case GlyphLayout::GlyphLeft:
        placed.glyph = {byAlignment(m, m + 2 * hx, m + hx), (h - gh) / 2};
        left = byAlignment(in.margin + g, m + 2 * hx + g, m + hx + g);
        right = byAlignment(w - d - m - 2 * hx, w - d - m, w - d - m - hx);
        top = (h - th) / 2;
        bottom = h - (h - th) / 2;
        break;
    case GlyphLayout::GlyphRight:
        placed.glyph = {byAlignment(w - d - m - 2 * hx - s - gw, w - d - m - gw, (w - d + tw + s - gw) / 2),
                        (h - gh) / 2};
        left = byAlignment(m, m + 2 * hx, m + hx);
        right = left + tw;
        top = (h - th) / 2;
        bottom = h - (h - th) / 2;
        break;
    case GlyphLayout::GlyphTop:
        placed.glyph = {(w - d - gw) / 2 + 1, m + hy};
        left = (w - d - tw) / 2;
        right = w - d - (w - d - tw) / 2;
        top = m + hy + gh + s;
        bottom = h - m - hy;
        break;
    case GlyphLayout::GlyphBottom:
        placed.glyph = {(w - d - gw) / 2 + 1, h - m - hy - gh};
        left = (w - d - tw) / 2;
        right = w - d - (w - d - tw) / 2;
        top = m + hy;
        bottom = h - m - hy - gh - s;
        break;
    }
    placed.caption = QRect(QPoint(left + in.textOffset - 1, top), QPoint(right + in.textOffset + 1, bottom - 1));
    if (in.pressed) {
        placed.glyph += QPoint(1, 1);
        placed.caption.translate(1, 1);
    }
    return placed;
}

GlyphPlacement paintGlyphAndCaption(QImage& cache, const QWidget& button, const ButtonGlyph& glyph,
                                    GlyphLayoutInput layout, GlyphState glyphState, bool hot, bool hotText,
                                    const SkinTables& skin, int sectionIndex)
{
    QImage bitmap = glyph.bitmap;
    int frames = glyph.numGlyphs;
    if (!glyph.images.isEmpty() && glyph.imageIndex >= 0) {
        imageListGlyph(bitmap, glyph.images, glyph.imageIndex, glyph.imagesBackground);
        frames = 1;
    }
    layout.glyph = bitmap.isNull() ? QSize(0, 0) : QSize(glyphFrameWidth(bitmap, frames), bitmap.height());
    const QString caption = button.property("text").toString();
    const GlyphPlacement placed = layoutGlyphAndCaption(layout, button.fontMetrics(), caption);
    if (!bitmap.isNull())
        paintGlyph(cache, placed.glyph, bitmap,
                   {.blendPercent = glyph.blend,
                    .hot = hot,
                    .enabled = button.isEnabled(),
                    .greyed = glyph.grayed,
                    .disabledKind = glyph.disabledKind,
                    .glyphCount = frames,
                    .state = glyphState});
    if (!layout.captionShown || caption.isEmpty())
        return placed;
    QPainter painter(&cache);
    painter.setFont(button.font());
    TextFlags flags = TextFlag::Center | TextFlag::WordBreak | TextFlag::ExpandTabs;
    if (button.layoutDirection() == Qt::RightToLeft)
        flags |= TextFlag::RtlReading;
    QRect written = placed.caption;
    writeSkinText(skin, painter, caption, {sectionIndex, button.isEnabled(), hotText, flags}, written);
    return placed;
}
