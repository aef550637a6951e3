#include "skin/controls/tsbitbtn.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/core/paintmarks.h"
#include "skin/core/skintables.h"

TsBitBtn::TsBitBtn(QWidget* parent) : TsButton(parent)
{
    SkinData.controlKind = ControlKind::BitButton;
    m_layout.alignment = CaptionAlignment::Center;
}

template <typename Change>
void TsBitBtn::change(Change change)
{
    change();
    SkinData.invalidate();
}

void TsBitBtn::setGlyph(const QImage& glyph)
{
    change([&] { m_glyph.bitmap = glyph; });
}

void TsBitBtn::setNumGlyphs(int count)
{
    change([&] { m_glyph.numGlyphs = std::clamp(count, 1, 4); });
}

void TsBitBtn::setImages(const QList<QImage>& images, int32_t backgroundColor)
{
    change([&] {
        m_glyph.images = images;
        m_glyph.imagesBackground = backgroundColor;
    });
}

void TsBitBtn::setImageIndex(int index)
{
    change([&] { m_glyph.imageIndex = index; });
}

void TsBitBtn::setBlend(int percent)
{
    change([&] { m_glyph.blend = std::clamp(percent, 0, 100); });
}

void TsBitBtn::setGrayed(bool grayed)
{
    change([&] { m_glyph.grayed = grayed; });
}

void TsBitBtn::setDisabledGlyphKind(TsDisabledKind kind)
{
    change([&] { m_glyph.disabledKind = kind; });
}

void TsBitBtn::setLayout(GlyphLayout layout)
{
    change([&] { m_layout.layout = layout; });
}

void TsBitBtn::setAlignment(CaptionAlignment alignment)
{
    change([&] { m_layout.alignment = alignment; });
}

void TsBitBtn::setMargin(int margin)
{
    change([&] { m_layout.margin = margin; });
}

void TsBitBtn::setSpacing(int spacing)
{
    change([&] { m_layout.spacing = spacing; });
}

void TsBitBtn::setTextOffset(int offset)
{
    change([&] { m_layout.textOffset = offset; });
}

void TsBitBtn::setShowCaption(bool show)
{
    change([&] { m_layout.captionShown = show; });
}

void TsBitBtn::setShowFocus(bool show)
{
    change([&] { m_showFocus = show; });
}

void TsBitBtn::paintContent(QImage& cache, int state)
{
    GlyphLayoutInput layout = m_layout;
    layout.size = size();
    layout.pressed = drawnDown();
    const GlyphState glyphState = layout.pressed ? GlyphState::Down : GlyphState::Up;
    const GlyphPlacement placed =
        paintGlyphAndCaption(cache, *this, m_glyph, layout, glyphState, state > 0, hotText(state), SkinData.skinIndex);
    const bool sectionShowsFocus = currentSkin().sections[SkinData.skinIndex].showFocus;
    if (m_showFocus && sectionShowsFocus && isEnabled() && hasFocus() && !text().isEmpty()) {
        const int margin = FocusMargin();
        paintFocusRect(cache, placed.caption.adjusted(-margin, -margin, margin, margin));
    }
}
