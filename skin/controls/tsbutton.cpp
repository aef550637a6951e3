#include "skin/controls/tsbutton.h"

#include "skin/core/borderpaint.h"
#include "skin/core/fadetimer.h"
#include "skin/core/paintdisabled.h"
#include "skin/core/paintmarks.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/skintext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool withoutShiftCtrlAlt(const QKeyEvent* event)
{
    return !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

TsButton::TsButton(QWidget* parent) : Skinned(parent)
{
    // The default look follows the focus wherever it goes in the window.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (isDefault() && skinActive())
            update();
    });
}

void TsButton::setDisabledKind(TsDisabledKind kind)
{
    setLookProperty(m_disabledKind, kind);
}

void TsButton::setKeptDown(bool down)
{
    if (down == m_keptDown)
        return;
    m_keptDown = down;
    m_regionChanged = true;
    SkinData.invalidate();
}

bool TsButton::defaultLook() const
{
    if (!isDefault())
        return false;
    const auto* focused = qobject_cast<const TsButton*>(QApplication::focusWidget());
    return !focused || focused == this || focused->window() != window();
}

ControlState TsButton::shownState() const
{
    if (drawnDown())
        return ControlState::Pressed;
    return SkinData.hot() || defaultLook() ? ControlState::Hot : ControlState::Normal;
}

bool TsButton::skinActive() const
{
    return SkinData.skinned() && parentWidget();
}

bool TsButton::fading() const
{
    return m_fadeTimer && m_fadeTimer->isActive();
}

TsButton::Look TsButton::currentLook() const
{
    return {shownState(), isEnabled() && hasFocus(), isEnabled(), text(), size(), font()};
}

int32_t TsButton::parentColor() const
{
    const QColor under = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
    return rgbColor(under.red(), under.green(), under.blue());
}

void TsButton::rebuildCache()
{
    const TsCacheInfo parent = SkinData.parentCache();
    SkinData.prepareCacheBitmap();
    QImage& cache = SkinData.cache();
    m_paintedLook = currentLook();
    const ControlState state = *m_paintedLook.state;
    paintSectionBackground(SkinData.skin(), cache, cache.rect(),
                           {SkinData.skinIndex(), SkinData.SkinSection(), parent, pos(), state});

    QRegion region = m_regionChanged ? QRegion(rect()) : QRegion();
    if (SkinData.borderMask())
        paintBorderMaskWithRegion(cache, region, borderTiles(SkinData.skin(), *SkinData.borderMask(), state),
                                  BorderPart::Frame);
    paintContent(cache, state);
    if (m_regionChanged) {
        if (region == QRegion(rect()))
            clearMask();
        else
            setMask(region);
        m_regionChanged = false;
    }
    if (!isEnabled())
        paintDisabledLook(cache, m_disabledKind, parentColor(), pos(), parent);
    SkinData.markPainted();
    ++m_cacheRebuilds;
}

void TsButton::paintContent(QImage& cache, ControlState state)
{
    const int w = width();
    const int h = height();
    QSize extent(0, 0);
    if (!text().isEmpty())
        extent = fontMetrics()
                     .boundingRect(QRect(0, 0, std::max(w - 2, 0), h), Qt::TextWordWrap | Qt::TextExpandTabs, text())
                     .size();
    const int dx = (w - extent.width()) / 2;
    const int dy = (h - extent.height()) / 2;
    QRect caption(QPoint(dx - 1, dy), QPoint(w - dx + 1, h - dy - 1));
    if (drawnDown())
        caption.translate(1, 1);

    QPainter painter(&cache);
    painter.setFont(font());
    TextFlags flags = TextFlag::Center | TextFlag::WordBreak | TextFlag::ExpandTabs;
    if (layoutDirection() == Qt::RightToLeft)
        flags |= TextFlag::RtlReading;
    QRect written = caption;
    writeSkinText(SkinData.skin(), painter, text(), {SkinData.skinIndex(), true, hotText(state), flags}, written);
    painter.end();

    const bool showFocus = SkinData.section()->showFocus;
    if (isEnabled() && hasFocus() && !text().isEmpty() && showFocus)
        paintFocusRect(cache, caption.adjusted(-m_focusMargin, -m_focusMargin, m_focusMargin, m_focusMargin));
}

void TsButton::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (fading()) {
        painter.drawImage(0, 0, m_fadeTimer->shownImage());
        return;
    }
    if (SkinData.updating())
        return;
    SkinData.followVisibleArea();
    const Look look = currentLook();
    // Each state has its own image of the border mask, and with it its own shape.
    m_regionChanged = m_regionChanged || look.state != m_paintedLook.state;
    if (SkinData.cacheOutdated(look != m_paintedLook))
        rebuildCache();
    painter.drawImage(0, 0, SkinData.cache());
    SkinData.markPainted();
}

void TsButton::fadeTo(bool hot)
{
    SkinData.markStale();
    const bool started = skinActive() && startFade(m_fadeTimer, this, SkinData, hot, [this] { rebuildCache(); });
    if (!started)
        update();
}

void TsButton::stopFading()
{
    if (stopFade(m_fadeTimer) > 0)
        SkinData.invalidate();
}

void TsButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    if (!isEnabled())
        return;
    emit mouseEntered();
    fadeTo(true);
}

void TsButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    if (!isEnabled())
        return;
    emit mouseLeft();
    fadeTo(false);
}

void TsButton::mousePressEvent(QMouseEvent* event)
{
    if (skinActive() && isEnabled()) {
        m_mouseDownSeen = true;
        stopFading();
    }
    QPushButton::mousePressEvent(event);
}

void TsButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (skinActive() && isEnabled()) {
        // A release that follows no press here (the press went elsewhere, or the button is down
        // from the space bar) neither clicks nor releases.
        if (!m_mouseDownSeen)
            return;
        m_mouseDownSeen = false;
    }
    QPushButton::mouseReleaseEvent(event);
}

bool TsButton::dialogKey(const QKeyEvent* event) const
{
    const bool wanted = (isEnterKey(event->key()) && isDefault()) || (event->key() == Qt::Key_Escape && m_cancel);
    return wanted && withoutShiftCtrlAlt(event) && isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

void TsButton::keyPressEvent(QKeyEvent* event)
{
    stopFading();
    if (isEnterKey(event->key()) && (isDefault() || !autoDefault())) {
        // A focused default button clicks on a plain Enter only; with Shift, Ctrl or Alt the key
        // goes on to the window like any other.
        if (dialogKey(event))
            click();
        else
            event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// The keys that no control of the window took reach it here: Enter for the default button, Esc
// for the cancel button.
bool TsButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress && dialogKey(static_cast<QKeyEvent*>(event))) {
        click();
        return true;
    }
    return Skinned::eventFilter(watched, event);
}

void TsButton::watchWindowKeys()
{
    QWidget* top = window();
    if (top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top != this ? top : nullptr;
    if (m_watchedWindow)
        m_watchedWindow->installEventFilter(this);
}

bool TsButton::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    switch (event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show: watchWindowKeys(); break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        stopFading();
        SkinData.setMouseAbove(false);
        break;
    case QEvent::EnabledChange: stopFading(); break;
    case QEvent::Resize: m_regionChanged = true; break;
    case QEvent::Move:
        if (skinActive()) {
            const TsGeneralData& section = *SkinData.section();
            if (section.transparency > 0 || (SkinData.hot() && section.hotTransparency > 0))
                SkinData.invalidate();
        }
        break;
    default: break;
    }
    switch (message) {
    case SKM_STOPFADING: stopFading(); return true;
    case SKM_REPAINTCHILD: update(); return true;
    case SKM_REPAINT: m_regionChanged = true; break;
    case SKM_REMOVESKIN:
        stopFading();
        clearMask();
        m_regionChanged = true;
        break;
    default: break;
    }
    return handleWithCache(event, [this] {
        if (skinActive())
            rebuildCache();
    });
}
