#include "skin/controls/tsspeedbutton.h"

#include "skin/controls/buttonsmetrics.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/animtimer.h"
#include "skin/core/borderpaint.h"
#include "skin/core/paintdisabled.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/stateimage.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

using metrics::buttons::dropDownArrowWidth;

// One drop-down menu at a time, whichever button opened it.
bool dropDownOpen = false;

int32_t windowColorOf(const QWidget* widget)
{
    const QColor under = widget ? widget->palette().color(QPalette::Window) : QColor(Qt::white);
    return rgbColor(under.red(), under.green(), under.blue());
}

} // namespace

TsSpeedButton::TsSpeedButton(QWidget* parent) : Skinned(parent), GlyphButtonProperties(SkinData)
{}

void TsSpeedButton::setButtonStyle(TsButtonStyle style)
{
    if (style == m_style)
        return;
    // The arrow part is added to the button, not taken from its face.
    if (style == TsButtonStyle::tbsDropDown)
        resize(width() + dropDownArrowWidth, height());
    else if (m_style == TsButtonStyle::tbsDropDown)
        resize(width() - dropDownArrowWidth, height());
    m_style = style;
    setCheckable(style == TsButtonStyle::tbsCheck);
    SkinData.invalidate();
}

void TsSpeedButton::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    SkinData.invalidate();
}

bool TsSpeedButton::skinActive() const
{
    return SkinData.skinned() && parentWidget();
}

ControlState TsSpeedButton::shownState() const
{
    if (isDown() || (isCheckable() && isChecked()))
        return ControlState::Pressed;
    return SkinData.hot() ? ControlState::Hot : ControlState::Normal;
}

int TsSpeedButton::dropDownWidth() const
{
    return m_style == TsButtonStyle::tbsDropDown ? dropDownArrowWidth : 0;
}

TsSpeedButton::Look TsSpeedButton::currentLook() const
{
    return {shownState(), isEnabled(), m_menuShown, text(), size()};
}

void TsSpeedButton::paintParentBackground(QImage& cache, const TsCacheInfo& parent) const
{
    if (parent.ready && parent.bitmap)
        copyBlock(cache, QPoint(0, 0), *parent.bitmap, QRect(pos() + QPoint(parent.x, parent.y), size()));
    else
        solidFill(cache, cache.rect(), windowColorOf(parentWidget()));
}

void TsSpeedButton::paintDivider(QImage& cache, const TsCacheInfo& parent) const
{
    const int section = SkinData.skin().FindSection(QStringLiteral("DIVIDER"));
    const int mask =
        section >= 0 ? SkinData.skin().FindMask(section, QStringLiteral("DIVIDER"), QStringLiteral("BORDERSMASK")) : -1;
    if (mask < 0)
        return;
    const int stripWidth = SkinData.skin().stateImageSize(mask).width();
    const QRect strip((width() - stripWidth) / 2, 1, stripWidth, height() - 2);
    const TsCacheInfo under{parent.bitmap, parent.x + pos().x() + strip.x(), parent.y + pos().y() + strip.y(),
                            parent.ready};
    paintBorderMask(cache, strip, borderTiles(SkinData.skin(), SkinData.skin().masks[mask], ControlState::Normal),
                    BorderPart::All, under);
}

void TsSpeedButton::paintDropDownPart(QImage& cache, const TsCacheInfo& parent) const
{
    const int d = dropDownWidth();
    const QRect part(width() - d, 0, d, height());
    const ControlState state = m_menuShown || isDown() ? ControlState::Pressed : ControlState::Hot;
    paintItem(SkinData.skin(), cache, part,
              {SkinData.skinIndex(), SkinData.SkinSection(), parent, pos() + part.topLeft(), state});
    const int section = SkinData.skin().FindSection(QStringLiteral("COMBOBOX"));
    const int arrow =
        section >= 0 ? SkinData.skin().FindMask(section, QStringLiteral("COMBOBOX"), QStringLiteral("GLYPHMASK")) : -1;
    if (arrow < 0)
        return;
    const QSize arrowSize = SkinData.skin().stateImageSize(arrow);
    const QPoint at =
        part.topLeft() + QPoint((part.width() - arrowSize.width()) / 2, (part.height() - arrowSize.height()) / 2);
    if (at.x() >= 0 && at.y() >= 0)
        paintStateImage(SkinData.skin(), cache, at, ControlState::Normal, SkinData.skin().masks[arrow]);
}

void TsSpeedButton::rebuildCache()
{
    const TsCacheInfo parent = SkinData.parentCache();
    SkinData.prepareCacheBitmap();
    QImage& cache = SkinData.cache();
    m_paintedLook = currentLook();
    if (m_style == TsButtonStyle::tbsSeparator || m_style == TsButtonStyle::tbsDivider) {
        paintParentBackground(cache, parent);
        if (m_style == TsButtonStyle::tbsDivider)
            paintDivider(cache, parent);
    } else {
        const ControlState state = *m_paintedLook.state;
        paintItem(SkinData.skin(), cache, QRect(0, 0, width() - dropDownWidth(), height()),
                  {SkinData.skinIndex(), SkinData.SkinSection(), parent, pos(), state});
        const bool pressed = state == ControlState::Pressed;
        const GlyphState glyphState = !pressed                       ? GlyphState::Up
                                      : isCheckable() && isChecked() ? GlyphState::Exclusive
                                                                     : GlyphState::Down;
        GlyphLayoutInput layout = glyphLayout();
        layout.size = size();
        layout.dropDownWidth = dropDownWidth();
        layout.pressed = pressed;
        paintGlyphAndCaption(cache, *this, buttonGlyph(), layout, glyphState, looksHot(state), looksHot(state),
                             SkinData.skin(), SkinData.skinIndex());
        if (m_style == TsButtonStyle::tbsDropDown)
            paintDropDownPart(cache, parent);
        if (!isEnabled())
            paintDisabledLook(cache, m_disabledKind, windowColorOf(parentWidget()), pos(), parent);
    }
    SkinData.markPainted();
}

QImage TsSpeedButton::skinImage()
{
    if (m_fadeTimer && m_fadeTimer->isActive())
        return m_fadeTimer->shownImage();
    if (SkinData.cacheOutdated(currentLook() != m_paintedLook))
        rebuildCache();
    return SkinData.cache();
}

void TsSpeedButton::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QToolButton::paintEvent(event);
        return;
    }
    if (SkinData.suspended())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, skinImage());
}

void TsSpeedButton::repaintThroughParent()
{
    QWidget* parent = parentWidget();
    sendSkinMessage(parent, SKM_SETPAINTINGCHILD, 0, toLParam(this));
    SkinData.markStale();
    repaint();
    sendSkinMessage(parent, SKM_SETPAINTINGCHILD, 0, 0);
}

void TsSpeedButton::stopFading()
{
    if (stopFade(m_fadeTimer) > 0)
        SkinData.invalidate();
}

void TsSpeedButton::enterEvent(QEnterEvent* event)
{
    QToolButton::enterEvent(event);
    if (!isEnabled() || !skinActive())
        return;
    emit mouseEntered();
    SkinData.markStale();
    if (!startFade(m_fadeTimer, this, SkinData, true, [this] { rebuildCache(); }))
        repaintThroughParent();
}

void TsSpeedButton::leaveEvent(QEvent* event)
{
    QToolButton::leaveEvent(event);
    if (!isEnabled() || !skinActive())
        return;
    emit mouseLeft();
    SkinData.markStale();
    if (!startFade(m_fadeTimer, this, SkinData, false, [this] { rebuildCache(); }))
        repaintThroughParent();
}

void TsSpeedButton::mousePressEvent(QMouseEvent* event)
{
    stopFading();
    const bool inArrow = event->position().x() > width() - dropDownArrowWidth;
    if (m_style == TsButtonStyle::tbsDropDown && event->button() == Qt::LeftButton && inArrow && isEnabled()
        && m_dropdownMenu) {
        showDropDown();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void TsSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    stopFading();
    QToolButton::mouseReleaseEvent(event);
}

void TsSpeedButton::showDropDown()
{
    if (dropDownOpen)
        return;
    dropDownOpen = true;
    m_menuShown = true;
    repaintThroughParent();
    m_dropdownMenu->exec(mapToGlobal(QPoint(0, height() + 1)));
    m_menuShown = false;
    dropDownOpen = false;
    SkinData.setMouseAbove(rect().contains(mapFromGlobal(QCursor::pos())));
    repaintThroughParent();
}

bool TsSpeedButton::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    switch (message) {
    case SKM_STOPFADING: stopFading(); return true;
    case SKM_REPAINTCHILD:
        if (SkinData.stale())
            update();
        return true;
    case SKM_REMOVESKIN: stopFading(); break;
    default: break;
    }
    if (event->type() == QEvent::EnabledChange)
        stopFading();
    const bool handled = Skinned::event(event);
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        update();
    return handled;
}
