#include "skin/core/paintsection.h"

#include "skin/core/borderpaint.h"
#include "skin/core/gradient.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skintables.h"
#include "skin/core/texturetiler.h"

#include <algorithm>
#include <optional>

namespace {

struct Texture {
    enum Kind { None, Mask, Pattern };
    Kind kind = None;
    int index = -1;
};

// What the background fill paints with, chosen for one state of one section.
struct FillValues {
    int32_t color = 0;
    int imagePercent = 0;
    int gradientPercent = 0;
    Texture texture;
    const QString* gradientData = nullptr;
    const TsGradArray* gradient = nullptr;
    int imageWeight = 0; // how much of the texture stays under the gradient, 0 to 255
    int32_t finalFill = 0;
};

// True when the gradient paints every pixel of a bitmap of `size`: its segments chain from edge to
// edge, so only a rectangle one pixel deep in the gradient's direction is left out.
bool gradientCovers(const TsGradArray& gradient, QSize size)
{
    if (gradient.isEmpty())
        return false;
    const int mode = gradient.first().mode;
    return (mode == 0 && size.height() >= 2) || (mode == 1 && size.width() >= 2);
}

// A gradient that covers the whole rectangle, laid over what the bitmap holds there one row at a
// time, the bitmap keeping weight/256. Every row of a horizontal gradient is the same and every
// row of a vertical one is one colour, so no bitmap of the rectangle's size is needed, and a row
// can be finished right after the texture was tiled into it.
class GradientOverlay {
public:
    GradientOverlay(const QImage& bitmap, const QRect& rect, const TsGradArray& gradient, int weight)
        : m_rect(rect),
          m_area(rect.intersected(bitmap.rect())),
          m_weight(weight),
          m_horizontal(gradient.first().mode == 1)
    {
        if (m_area.isEmpty())
            return;
        if (m_horizontal) {
            QImage strip(rect.width(), 1, QImage::Format_BGR888);
            paintGradient(strip, strip.rect(), gradient);
            m_line = strip.copy(m_area.left() - rect.left(), 0, m_area.width(), 1);
        } else {
            m_column = QImage(1, rect.height(), QImage::Format_BGR888);
            paintGradient(m_column, m_column.rect(), gradient);
            m_line = QImage(m_area.width(), 1, QImage::Format_BGR888);
        }
    }

    void blendRow(QImage& bitmap, int y)
    {
        if (y < m_area.top() || y > m_area.bottom())
            return;
        if (!m_horizontal)
            fillPixels(m_line.scanLine(0), m_column.constScanLine(y - m_rect.top()), m_area.width());
        blendBytes(bitmap.scanLine(y) + m_area.left() * 3, m_line.constScanLine(0), m_area.width() * 3, m_weight);
    }

private:
    QRect m_rect;
    QRect m_area;
    int m_weight;
    bool m_horizontal;
    QImage m_column;
    QImage m_line;
};

void backgroundFill(const SkinTables& skin, QImage& bitmap, const QRect& rect, const FillValues& v)
{
    // Texture and gradient are mixed row by row as the texture is laid, when the gradient covers
    // the rectangle; otherwise the gradient goes through a bitmap of its own.
    std::optional<GradientOverlay> overlay;
    TileRowDone rowDone;
    if (v.gradientPercent > 0 && !v.gradientData->isEmpty() && gradientCovers(*v.gradient, rect.size())) {
        rowDone.finish = [&](int y) {
            if (!overlay)
                overlay.emplace(bitmap, rect, *v.gradient, v.imageWeight);
            overlay->blendRow(bitmap, y);
        };
        // Every row of a horizontal gradient is the same.
        rowDone.dependsOnPictureRowOnly = v.gradient->first().mode == 1;
    }
    bool imagePainted = false;
    if (v.imagePercent > 0) {
        if (v.texture.kind == Texture::Mask) {
            if (!skin.isValidMaskIndex(v.texture.index)) {
                solidFill(bitmap, rect, v.color);
            } else {
                tileTexture(bitmap, rect, skin.masks[v.texture.index], skin.masterBitmap, rowDone);
                imagePainted = true;
            }
        } else if (v.texture.kind == Texture::Pattern && skin.isValidPatternIndex(v.texture.index)) {
            tilePattern(bitmap, rect, skin.patterns[v.texture.index].image, rowDone);
            imagePainted = true;
        }
    }
    if (v.gradientPercent > 0 && imagePainted && !rowDone.finish) {
        // A gradient that leaves pixels out leaves the texture there as it was.
        QImage gradient = bitmap.copy(rect);
        if (v.gradientData->isEmpty())
            gradient.fill(toQColor(v.color));
        else
            paintGradient(gradient, gradient.rect(), *v.gradient);
        regionBlend(bitmap, gradient, v.imageWeight, rect.topLeft(),
                    QRect(0, 0, gradient.width() - 1, gradient.height()));
    } else if (v.gradientPercent > 0 && !imagePainted) {
        if (v.gradientData->isEmpty())
            solidFill(bitmap, rect, v.color);
        else
            paintGradient(bitmap, rect, *v.gradient);
    }
    const int sum = v.imagePercent + v.gradientPercent;
    if (sum >= 1 && sum <= 99)
        colorMix(bitmap, rect, sum, v.color);
    else if (sum != 100)
        solidFill(bitmap, rect, v.finalFill);
}

FillValues stateValues(const TsGeneralData& section, ControlState state)
{
    FillValues v;
    const bool hot = looksHot(state);
    v.color = hot ? section.hotColor : section.color;
    v.imagePercent = hot ? section.hotImagePercent : section.imagePercent;
    v.gradientPercent = hot ? section.hotGradientPercent : section.gradientPercent;
    v.gradientData = hot ? &section.hotGradientData : &section.gradientData;
    v.gradient = hot ? &section.hotGradient : &section.gradient;
    return v;
}

void copyParent(QImage& target, const QRect& rect, const SectionPaint& paint)
{
    const TsCacheInfo& parentCache = paint.parentCache;
    if (parentCache.bitmap == &target)
        return;
    copyBlock(
        target, rect.topLeft(), *parentCache.bitmap,
        QRect(parentCache.x + paint.position.x(), parentCache.y + paint.position.y(), rect.width(), rect.height()));
}

// The background over the parent's cached pixels: Transparency percent of the parent shows through.
void paintOverParent(const SkinTables& skin, const TsGeneralData& section, const FillValues& values, QImage& target,
                     const QRect& rect, const SectionPaint& paint)
{
    const int transparency = std::clamp(looksHot(paint.state) ? section.hotTransparency : section.transparency, 0, 100);
    if (!paint.parentCache.ready || !paint.parentCache.bitmap || transparency == 0) {
        backgroundFill(skin, target, rect, values);
    } else if (transparency == 100) {
        copyParent(target, rect, paint);
    } else {
        QImage own = target.copy(rect);
        backgroundFill(skin, own, own.rect(), values);
        copyParent(target, rect, paint);
        regionBlend(target, own, transparency * 255 / 100, rect.topLeft(), own.rect());
    }
}

bool liesInside(const QRect& rect, const QImage& target)
{
    return rect.left() >= 0 && rect.top() >= 0 && rect.left() + rect.width() <= target.width()
           && rect.top() + rect.height() <= target.height();
}

// The parent's cache with its offsets moved to the painted rectangle's top-left corner.
TsCacheInfo movedParent(const SectionPaint& paint)
{
    TsCacheInfo moved = paint.parentCache;
    moved.x += paint.position.x();
    moved.y += paint.position.y();
    return moved;
}

} // namespace

void paintSectionBackground(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint)
{
    if (!skin.isValidSectionIndex(paint.sectionIndex))
        return;
    const TsGeneralData& section = skin.sections[paint.sectionIndex];
    FillValues values = stateValues(section, paint.state);
    values.finalFill = paint.fillColor != clSkinKey ? paint.fillColor : values.color;
    values.imageWeight = values.imagePercent * 255 / 100;
    if (values.imagePercent > 0) {
        const QString property = looksHot(paint.state) ? QStringLiteral("HOTPATTERN") : QStringLiteral("PATTERN");
        const int mask = skin.FindMask(paint.sectionIndex, paint.sectionName, property);
        values.texture =
            mask >= 0 ? Texture{Texture::Mask, mask}
                      : Texture{Texture::Pattern, skin.FindPattern(paint.sectionIndex, paint.sectionName, property)};
    }
    paintOverParent(skin, section, values, target, rect, paint);
}

void paintSectionBackgroundFixed(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint,
                                 const SectionMasks& masks)
{
    if (!skin.isValidSectionIndex(paint.sectionIndex))
        return;
    const TsGeneralData& section = skin.sections[paint.sectionIndex];
    FillValues values = stateValues(section, paint.state);
    values.finalFill = values.color;
    values.imageWeight = (values.imagePercent * 256 / 100) & 0xFF;
    values.texture = Texture{Texture::Mask, looksHot(paint.state) ? masks.hotTexture : masks.texture};
    paintOverParent(skin, section, values, target, rect, paint);
}

void paintItem(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint)
{
    if (!skin.isValidSectionIndex(paint.sectionIndex) || !liesInside(rect, target))
        return;
    paintSectionBackground(skin, target, rect, paint);
    const int mask = skin.FindMask(paint.sectionIndex, paint.sectionName, QStringLiteral("BORDERSMASK"));
    if (mask >= 0)
        paintBorderMask(target, rect, borderTiles(skin, skin.masks[mask], paint.state), paint.border,
                        movedParent(paint));
}

void paintItemFixed(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint,
                    const SectionMasks& masks)
{
    if (!skin.isValidSectionIndex(paint.sectionIndex) || !liesInside(rect, target))
        return;
    paintSectionBackgroundFixed(skin, target, rect, paint, masks);
    if (skin.isValidMaskIndex(masks.border))
        paintBorderMask(target, rect, borderTiles(skin, skin.masks[masks.border], paint.state), paint.border,
                        movedParent(paint));
}

void paintTabItem(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint)
{
    if (!skin.isValidSectionIndex(paint.sectionIndex) || !liesInside(rect, target))
        return;
    paintSectionBackground(skin, target, rect, paint);
    const int mask = skin.FindMask(paint.sectionIndex, paint.sectionName, QStringLiteral("BORDERSMASK"));
    if (mask >= 0)
        paintTabBorderMask(target, rect, borderTiles(skin, skin.masks[mask], paint.state), paint.border,
                           movedParent(paint));
}

void paintWholeItem(const SkinTables& skin, QImage& target, const SectionPaint& paint)
{
    paintItem(skin, target, target.rect(), paint);
}
