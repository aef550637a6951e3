#include "skin/controls/tsbitbtn.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/core/paintmarks.h"
#include "skin/core/skintables.h"

TsBitBtn::TsBitBtn(QWidget* parent) : TsButton(parent), GlyphButtonProperties(SkinData)
{
    SkinData.setControlKind(ControlKind::BitButton);
}

void TsBitBtn::setShowFocus(bool show)
{
    m_showFocus = show;
    SkinData.invalidate();
}

void TsBitBtn::paintContent(QImage& cache, ControlState state)
{
    GlyphLayoutInput layout = glyphLayout();
    layout.size = size();
    layout.pressed = drawnDown();
    const GlyphState glyphState = layout.pressed ? GlyphState::Down : GlyphState::Up;
    const GlyphPlacement placed = paintGlyphAndCaption(cache, *this, buttonGlyph(), layout, glyphState, looksHot(state),
                                                       hotText(state), SkinData.skin(), SkinData.skinIndex());
    const bool sectionShowsFocus = SkinData.section()->showFocus;
    if (m_showFocus && sectionShowsFocus && isEnabled() && hasFocus() && !text().isEmpty()) {
        const int margin = FocusMargin();
        paintFocusRect(cache, placed.caption.adjusted(-margin, -margin, margin, margin));
    }
}
