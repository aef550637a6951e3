#pragma once

#include "skin/controls/glyphlayout.h"
#include "skin/controls/skinned.h"
#include "skin/core/disabledkind.h"

#include <QImage>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

class TsAnimTimer;

enum class TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// A tool button, as toolbars and the table navigator use. While a skin is in force it paints its
// section ("SPEEDBUTTON") over its container's face, with its glyph and caption laid out by the
// glyph layout rules; otherwise it is the platform's tool button.
class TsSpeedButton : public Skinned<TsSpeedButton, QToolButton, ControlKind::SpeedButton> {
    Q_OBJECT

public:
    explicit TsSpeedButton(QWidget* parent = nullptr);

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

    TsButtonStyle ButtonStyle() const { return m_style; }
    void setButtonStyle(TsButtonStyle style);
    QMenu* DropdownMenu() const { return m_dropdownMenu; }
    void setDropdownMenu(QMenu* menu) { m_dropdownMenu = menu; }

    GlyphLayout Layout() const { return m_layout; }
    void setLayout(GlyphLayout layout);
    CaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(CaptionAlignment alignment);
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    int TextOffset() const { return m_textOffset; }
    void setTextOffset(int offset);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    // The share of the background that shows through the glyph while the button is not hot.
    int Blend() const { return m_glyph.blend; }
    void setBlend(int percent);
    // The glyph is grey while the button is not hot.
    bool Grayed() const { return m_glyph.grayed; }
    void setGrayed(bool grayed);
    TsDisabledKind DisabledGlyphKind() const { return m_glyph.disabledKind; }
    void setDisabledGlyphKind(TsDisabledKind kind);
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);

    bool skinActive() const;
    // 0 normal, 1 hot, 2 down or checked.
    int stateIndex() const;
    // The face as painting puts it on the screen.
    QImage skinImage();

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Look {
        int state = -1;
        bool enabled = true;
        bool menuShown = false;
        QString text;
        QSize size;
        bool operator==(const Look&) const = default;
    };
    Look currentLook() const;
    int dropDownWidth() const;
    void rebuildCache();
    void paintParentBackground(QImage& cache, const TsCacheInfo& parent) const;
    void paintDivider(QImage& cache, const TsCacheInfo& parent) const;
    void paintDropDownPart(QImage& cache, const TsCacheInfo& parent) const;
    void changed();
    void stopFading();
    void repaintThroughParent();
    void showDropDown();

    ButtonGlyph m_glyph;
    TsButtonStyle m_style = TsButtonStyle::tbsButton;
    QPointer<QMenu> m_dropdownMenu;
    GlyphLayout m_layout = GlyphLayout::GlyphLeft;
    CaptionAlignment m_alignment;
    int m_margin = -1;
    int m_spacing = 4;
    int m_textOffset = 0;
    bool m_showCaption = true;
    TsDisabledKind m_disabledKind = dkBlended;
    bool m_menuShown = false;
    Look m_paintedLook;
    TsAnimTimer* m_fadeTimer = nullptr;
};
