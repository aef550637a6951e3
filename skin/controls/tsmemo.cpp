#include "skin/controls/tsmemo.h"

#include "skin/controls/tsscrollbar.h"
#include "skin/core/skinmessage.h"

#include <QPainter>

namespace {

// The platform's frame of a memo is this wide; the skin's frame takes its place.
constexpr int skinFrameWidth = 2;

} // namespace

TsMemo::TsMemo(QWidget* parent) : Skinned(parent), m_colors(this, SkinData), m_bars(this, SkinData, {skinFrameWidth})
{
    followSkin();
}

void TsMemo::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    SkinData.invalidate();
}

void TsMemo::followSkin()
{
    const bool skinned = SkinData.skinned();
    if (skinned != m_skinFrame) {
        m_skinFrame = skinned;
        if (skinned)
            m_ownFrame = takeFrameOver(this, skinFrameWidth);
        else
            giveFrameBack(this, m_ownFrame);
    }
    m_colors.apply(m_skinFrame);
    m_bars.synchronize();
}

bool TsMemo::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && m_skinFrame) {
        paintFrame();
        return true;
    }
    const unsigned message = skinMessageOf(event);
    // Its face lies under the platform's client area, so the memo offers no background to the
    // controls over it: their skin paints them whole.
    if (message == SKM_GETCACHE)
        return true;
    const bool wasHot = SkinData.hot();
    const bool answered = Skinned::event(event);
    switch (event->type()) {
    case QEvent::PaletteChange: m_colors.paletteChanged(); break;
    case QEvent::FocusIn: SkinData.mouseAbove = false; break;
    case QEvent::EnabledChange:
    case QEvent::FontChange: SkinData.invalidate(); break;
    default: break;
    }
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        followSkin();
    else if (message == SKM_REPAINT)
        m_bars.synchronize();
    if (wasHot != SkinData.hot()) {
        SkinData.invalidate();
        m_colors.apply(m_skinFrame);
    }
    return answered;
}

void TsMemo::paintFrame()
{
    prepareFrameCache(SkinData, m_disabledKind);
    QPainter painter(this);
    paintFrameStrips(painter, SkinData.cacheBitmap, size(), skinFrameWidth);
    // The square between two bars shows the text area's colour.
    const TsScrollBar* vertical = m_bars.bar(Qt::Vertical);
    const TsScrollBar* horizontal = m_bars.bar(Qt::Horizontal);
    if (vertical && horizontal && vertical->isVisibleTo(parentWidget()) && horizontal->isVisibleTo(parentWidget())) {
        const QRect corner(vertical->x() - x(), horizontal->y() - y(), vertical->width(), horizontal->height());
        painter.fillRect(corner, palette().color(QPalette::Base));
    }
}
