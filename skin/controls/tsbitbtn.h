#pragma once

#include "skin/controls/glyphbuttonproperties.h"
#include "skin/controls/tsbutton.h"

// A push button that carries a glyph beside, above or below its caption. It behaves as the push
// button for mouse, keys and default look; only its face's content differs.
class TsBitBtn : public TsButton, public GlyphButtonProperties {
    Q_OBJECT

public:
    explicit TsBitBtn(QWidget* parent = nullptr);

    using GlyphButtonProperties::setLayout;

    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool show);

protected:
    void paintContent(QImage& cache, ControlState state) override;

private:
    bool m_showFocus = true;
};
