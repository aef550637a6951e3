#include "skin/controls/glyphbuttonproperties.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/core/tscommondata.h"

#include <algorithm>

GlyphButtonProperties::GlyphButtonProperties(TsCommonData& skin) : m_skin(skin)
{
    m_layout.alignment = CaptionAlignment::Center;
}

template <typename Change>
void GlyphButtonProperties::change(Change change)
{
    change();
    m_skin.invalidate();
}

void GlyphButtonProperties::setGlyph(const QImage& glyph)
{
    change([&] { m_glyph.bitmap = glyph; });
}

void GlyphButtonProperties::setNumGlyphs(int count)
{
    change([&] { m_glyph.numGlyphs = std::clamp(count, 1, 4); });
}

void GlyphButtonProperties::setImages(const QList<QImage>& images, int32_t backgroundColor)
{
    change([&] {
        m_glyph.images = images;
        m_glyph.imagesBackground = backgroundColor;
    });
}

void GlyphButtonProperties::setImageIndex(int index)
{
    change([&] { m_glyph.imageIndex = index; });
}

void GlyphButtonProperties::setBlend(int percent)
{
    change([&] { m_glyph.blend = std::clamp(percent, 0, 100); });
}

void GlyphButtonProperties::setGrayed(bool grayed)
{
    change([&] { m_glyph.grayed = grayed; });
}

void GlyphButtonProperties::setDisabledGlyphKind(TsDisabledKind kind)
{
    change([&] { m_glyph.disabledKind = kind; });
}

void GlyphButtonProperties::setLayout(GlyphLayout layout)
{
    change([&] { m_layout.layout = layout; });
}

void GlyphButtonProperties::setAlignment(CaptionAlignment alignment)
{
    change([&] { m_layout.alignment = alignment; });
}

void GlyphButtonProperties::setMargin(int margin)
{
    change([&] { m_layout.margin = margin; });
}

void GlyphButtonProperties::setSpacing(int spacing)
{
    change([&] { m_layout.spacing = spacing; });
}

void GlyphButtonProperties::setTextOffset(int offset)
{
    change([&] { m_layout.textOffset = offset; });
}

void GlyphButtonProperties::setShowCaption(bool show)
{
    change([&] { m_layout.captionShown = show; });
}
