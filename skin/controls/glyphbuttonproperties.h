#pragma once

#include "skin/controls/glyphlayout.h"

class TsCommonData;

// The glyph and its layout, as a speed button and a glyph button publish them. Every change shows
// at the next paint: it rebuilds the button's cache.
class GlyphButtonProperties {
public:
    // The glyph bitmap: NumGlyphs frames side by side (up, disabled, down, exclusive), each with
    // its bottom-left pixel as transparent colour.
    const QImage& Glyph() const { return m_glyph.bitmap; }
    void setGlyph(const QImage& glyph);
    int NumGlyphs() const { return m_glyph.numGlyphs; }
    void setNumGlyphs(int count);
    // An image list glyph, used instead of the bitmap when ImageIndex is not negative.
    void setImages(const QList<QImage>& images, int32_t backgroundColor = clNoColor);
    int ImageIndex() const { return m_glyph.imageIndex; }
    void setImageIndex(int index);
    // The share of the background that shows through the glyph while the button is not hot.
    int Blend() const { return m_glyph.blend; }
    void setBlend(int percent);
    // The glyph is grey while the button is not hot.
    bool Grayed() const { return m_glyph.grayed; }
    void setGrayed(bool grayed);
    TsDisabledKind DisabledGlyphKind() const { return m_glyph.disabledKind; }
    void setDisabledGlyphKind(TsDisabledKind kind);

    GlyphLayout Layout() const { return m_layout.layout; }
    void setLayout(GlyphLayout layout);
    CaptionAlignment Alignment() const { return m_layout.alignment; }
    void setAlignment(CaptionAlignment alignment);
    int Margin() const { return m_layout.margin; }
    void setMargin(int margin);
    int Spacing() const { return m_layout.spacing; }
    void setSpacing(int spacing);
    int TextOffset() const { return m_layout.textOffset; }
    void setTextOffset(int offset);
    bool ShowCaption() const { return m_layout.captionShown; }
    void setShowCaption(bool show);

protected:
    explicit GlyphButtonProperties(TsCommonData& skin);

    const ButtonGlyph& buttonGlyph() const { return m_glyph; }
    // The layout the properties ask for; the button adds its size and state.
    const GlyphLayoutInput& glyphLayout() const { return m_layout; }

private:
    template <typename Change>
    void change(Change change);

    TsCommonData& m_skin;
    ButtonGlyph m_glyph;
    GlyphLayoutInput m_layout;
};
