#pragma once

#include "skin/controls/skinned.h"
#include "skin/core/disabledkind.h"

#include <QImage>
#include <QRadioButton>

// A radio button. While a skin is in force it draws itself from the skin: the section's
// background over its parent's, the check mark of the skin (or its own GlyphChecked and
// GlyphUnChecked pictures: normal, hot and pressed side by side over their mask half) and the
// caption in the section's colours. It keeps no picture between paints. GlyphChecked gives the
// glyph's place and size; without it the skin's marks are drawn.
//
// Input stays the platform button's, with one difference while skinned: a press anywhere on the
// button holds it pressed until the release, so that a release outside still checks it.
class TsRadioButton : public Skinned<TsRadioButton, QRadioButton, ControlKind::RadioButton, CacheBitmap::NotKept> {
    Q_OBJECT

public:
    explicit TsRadioButton(QWidget* parent = nullptr);

    // The skinned button takes the size of its glyph and caption.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);
    QImage GlyphChecked() const { return m_glyphChecked; }
    void setGlyphChecked(const QImage& glyph);
    QImage GlyphUnChecked() const { return m_glyphUnChecked; }
    void setGlyphUnChecked(const QImage& glyph);
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    // A caption on several lines, centred; it turns AutoSize off.
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);
    // The user cannot check a read-only button; code still can.
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool showFocus);
    int TextIndent() const { return m_textIndent; }
    void setTextIndent(int indent);

    // Where the glyph stands in the skinned face.
    QRect glyphRect() const;
    // The skin's picture of the button as it stands, as painting puts it on the screen.
    QImage skinImage();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& position) const override;
    bool skinActive() const;

private:
    bool userMayCheck() const { return isEnabled() && !m_readOnly; }
    bool textOnRight() const { return layoutDirection() == Qt::LeftToRight; }
    const QImage* userGlyph() const;
    bool hasGlyph() const;
    QSize glyphSize() const;
    void paintGlyph(QImage& face, const QRect& place) const;
    void appearanceChanged();

    bool m_autoSize = true;
    TsDisabledKind m_disabledKind = dkBlended;
    QImage m_glyphChecked;
    QImage m_glyphUnChecked;
    int m_margin = 2;
    bool m_multiLine = false;
    bool m_readOnly = false;
    bool m_showFocus = true;
    int m_textIndent = 0;
};
