#include "skin/controls/tsradiobutton.h"

#include "skin/core/paintdisabled.h"
#include "skin/core/paintmarks.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/skintext.h"
#include "skin/core/stateimage.h"

#include "skin/controls/radiobuttonmetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

using namespace metrics::radioButton;

// Without any glyph the face keeps this much room for one at its top-left corner.
constexpr QSize missingGlyph(missingGlyphSize, missingGlyphSize);

int32_t windowColorOf(const QWidget* widget)
{
    const QColor color = widget->palette().color(QPalette::Window);
    return rgbColor(color.red(), color.green(), color.blue());
}

int skinGlyphMask(const SkinTables& skin, bool checked)
{
    const TsCommonIndexes& common = skin.commonIndexes;
    return checked ? common.radioChecked : common.radioUnchecked;
}

} // namespace

TsRadioButton::TsRadioButton(QWidget* parent) : Skinned(parent)
{}

void TsRadioButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        m_multiLine = false;
    appearanceChanged();
}

void TsRadioButton::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    appearanceChanged();
}

void TsRadioButton::setGlyphChecked(const QImage& glyph)
{
    m_glyphChecked = glyph.convertToFormat(QImage::Format_BGR888);
    appearanceChanged();
}

void TsRadioButton::setGlyphUnChecked(const QImage& glyph)
{
    m_glyphUnChecked = glyph.convertToFormat(QImage::Format_BGR888);
    appearanceChanged();
}

void TsRadioButton::setMargin(int margin)
{
    m_margin = margin;
    appearanceChanged();
}

void TsRadioButton::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    if (multiLine)
        m_autoSize = false;
    appearanceChanged();
}

void TsRadioButton::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    appearanceChanged();
}

void TsRadioButton::setShowFocus(bool showFocus)
{
    m_showFocus = showFocus;
    appearanceChanged();
}

void TsRadioButton::setTextIndent(int indent)
{
    m_textIndent = indent;
    appearanceChanged();
}

void TsRadioButton::appearanceChanged()
{
    updateGeometry();
    if (m_autoSize && skinActive())
        adjustSize();
    update();
}

bool TsRadioButton::skinActive() const
{
    return SkinData.skinned() && parentWidget() != nullptr;
}

// --- Face -----------------------------------------------------------------------------------------

// An own picture of the state is drawn where there is one; the place is always the checked
// picture's, or the skin's mark's without one.
const QImage* TsRadioButton::userGlyph() const
{
    const QImage& glyph = isChecked() ? m_glyphChecked : m_glyphUnChecked;
    return glyph.isNull() ? nullptr : &glyph;
}

bool TsRadioButton::hasGlyph() const
{
    return !m_glyphChecked.isNull() || skinGlyphMask(SkinData.skin(), isChecked()) >= 0;
}

QSize TsRadioButton::glyphSize() const
{
    if (!m_glyphChecked.isNull())
        return QSize(m_glyphChecked.width() / 3, m_glyphChecked.height() / 2);
    const int mask = skinGlyphMask(SkinData.skin(), isChecked());
    return mask >= 0 ? SkinData.skin().stateImageSize(mask) : missingGlyph;
}

QRect TsRadioButton::glyphRect() const
{
    const QSize glyph = glyphSize();
    if (!hasGlyph())
        return QRect(QPoint(0, 0), glyph);
    const int left = textOnRight() ? m_margin : width() - m_margin - glyph.width();
    return QRect(QPoint(left, (height() - glyph.height()) / 2), glyph);
}

void TsRadioButton::paintGlyph(QImage& face, const QRect& place) const
{
    const ControlState state = isDown()                        ? ControlState::Pressed
                               : SkinData.hot() && !m_readOnly ? ControlState::Hot
                                                               : ControlState::Normal;
    if (const QImage* glyph = userGlyph()) {
        TsMaskData own;
        own.image = *glyph;
        paintStateImage(SkinData.skin(), face, place.topLeft(), state, own);
        return;
    }
    const int mask = skinGlyphMask(SkinData.skin(), isChecked());
    if (mask >= 0)
        paintStateImage(SkinData.skin(), face, place.topLeft(), state, SkinData.skin().masks[mask]);
}

QImage TsRadioButton::skinImage()
{
    QImage face(size(), QImage::Format_BGR888);
    if (face.isNull())
        return face;
    const int32_t under = windowColorOf(parentWidget() ? parentWidget() : this);
    const TsCacheInfo parentCache = SkinData.parentCache();
    const bool hot = SkinData.hot() && !m_readOnly;
    paintSectionBackground(SkinData.skin(), face, face.rect(),
                           {.sectionIndex = SkinData.skinIndex(),
                            .sectionName = SkinData.SkinSection(),
                            .parentCache = parentCache,
                            .position = pos(),
                            .state = hot ? ControlState::Hot : ControlState::Normal,
                            // The section's plain fill takes the colour of what the button stands on.
                            .fillColor = under});
    const QRect glyph = glyphRect();
    if (!text().isEmpty()) {
        const int textLeft = glyph.width() + m_textIndent + m_margin;
        const int textRight = (textOnRight() ? width() - m_margin : width() - textLeft) - captionRightGap;
        QRect rect(QPoint(textOnRight() ? textLeft : m_margin, m_margin),
                   QPoint(textRight - 1, height() - m_margin - 1));
        TextFlags flags =
            m_multiLine ? TextFlag::Center | TextFlag::WordBreak : TextFlag::SingleLine | TextFlag::VCenter;
        if (!textOnRight() && !m_multiLine)
            flags |= TextFlag::Right;
        {
            QPainter painter(&face);
            painter.setFont(font());
            writeSkinText(SkinData.skin(), painter, text(),
                          {.sectionIndex = SkinData.skinIndex(), .hot = hot, .flags = flags}, rect);
        }
        if (hasFocus() && m_showFocus)
            paintFocusRect(face, rect.adjusted(-1, 0, 1, -1));
    }
    paintGlyph(face, glyph);
    if (!isEnabled())
        paintDisabledLook(face, m_disabledKind, under, pos(), parentCache);
    return face;
}

QSize TsRadioButton::sizeHint() const
{
    if (!m_autoSize || !skinActive())
        return QRadioButton::sizeHint();
    const QSize glyph = glyphSize();
    const QSize caption = text().isEmpty() ? QSize(0, 0) : textExtent(font(), text());
    const int textWidth = text().isEmpty() ? 0 : caption.width() + m_textIndent + autoSizeCaptionSpace;
    return QSize(glyph.width() + 2 * m_margin + textWidth,
                 std::max(glyph.height(), caption.height() + 2 * m_margin) + autoSizeExtraHeight);
}

QSize TsRadioButton::minimumSizeHint() const
{
    return m_autoSize && skinActive() ? sizeHint() : QRadioButton::minimumSizeHint();
}

// --- Events ---------------------------------------------------------------------------------------

bool TsRadioButton::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    const bool answered = Skinned::event(event);
    switch (message) {
    case SKM_SETNEWSKIN:
    case SKM_REMOVESKIN:
    case SKM_REPAINT: appearanceChanged(); break;
    default: break;
    }
    return answered;
}

void TsRadioButton::enterEvent(QEnterEvent* event)
{
    QRadioButton::enterEvent(event);
    if (skinActive())
        update();
}

void TsRadioButton::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QRadioButton::paintEvent(event);
        return;
    }
    if (SkinData.updating())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, skinImage());
}

void TsRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (m_readOnly) {
        event->ignore();
        return;
    }
    QRadioButton::mousePressEvent(event);
}

void TsRadioButton::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select)) {
        event->ignore();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

// A space held while the mouse leaves no longer checks the button on its release.
void TsRadioButton::leaveEvent(QEvent* event)
{
    QRadioButton::leaveEvent(event);
    if (!skinActive())
        return;
    setDown(false);
    update();
}

// While skinned the whole face is the button, and once pressed it stays pressed wherever the mouse
// goes, so that the release checks it.
bool TsRadioButton::hitButton(const QPoint& position) const
{
    if (!skinActive())
        return QRadioButton::hitButton(position);
    return isDown() || rect().contains(position);
}
