#pragma once

#include "skin/controls/glyphlayout.h"
#include "skin/controls/tsbutton.h"

// A push button that carries a glyph beside, above or below its caption. It behaves as the push
// button for mouse, keys and default look; only its face's content differs.
class TsBitBtn : public TsButton {
    Q_OBJECT

public:
    explicit TsBitBtn(QWidget* parent = nullptr);

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
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool show);

protected:
    void paintContent(QImage& cache, int state) override;

private:
    template <typename Change>
    void change(Change change);

    ButtonGlyph m_glyph;
    GlyphLayoutInput m_layout;
    bool m_showFocus = true;
};
