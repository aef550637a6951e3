#include "skin/controls/textareaframe.h"

#include "skin/controls/tsscrollbar.h"
#include "skin/core/skinmessage.h"

#include <QAbstractScrollArea>
#include <QPainter>

TextAreaFrame::TextAreaFrame(QAbstractScrollArea* control, TsCommonData& skin, Look look)
    : m_control(control),
      m_skin(skin),
      m_look(look),
      m_colors(control, skin),
      m_bars(control, skin, look.bars)
{}

void TextAreaFrame::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    m_skin.invalidate();
    if (m_look.paintsItems)
        m_control->viewport()->update();
}

void TextAreaFrame::followSkin()
{
    const bool skinned = m_skin.skinned();
    if (skinned != m_skinned) {
        m_skinned = skinned;
        if (skinned)
            m_own = takeFrameOver(m_control, m_look.width);
        else
            giveFrameBack(m_control, m_own);
        if (m_look.paintsItems)
            m_control->viewport()->update();
    }
    if (!m_look.paintsItems)
        m_colors.apply(m_skinned);
    m_bars.synchronize();
}

bool TextAreaFrame::takesEvent(QEvent* event)
{
    if (event->type() == QEvent::Paint && m_skinned) {
        paintFrame();
        return true;
    }
    return !m_look.paintsItems && skinMessageOf(event) == SKM_GETCACHE;
}

void TextAreaFrame::followEvent(QEvent* event, bool wasHot)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        if (!m_look.paintsItems)
            m_colors.paletteChanged();
        break;
    case QEvent::FocusIn:
        if (!m_look.paintsItems)
            m_skin.setMouseAbove(false);
        break;
    case QEvent::EnabledChange: m_skin.invalidate(); break;
    default: break;
    }
    const unsigned message = skinMessageOf(event);
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        followSkin();
    else if (message == SKM_REPAINT)
        m_bars.synchronize();
    if (m_look.paintsItems) {
        if (wasHot != m_skin.hot() || event->type() == QEvent::EnabledChange) {
            // The frame, the items and the bar all show the control's state.
            m_skin.invalidate();
            m_control->viewport()->update();
            if (TsScrollBar* bar = m_bars.bar(Qt::Vertical))
                bar->update();
        }
    } else if (wasHot != m_skin.hot()) {
        m_skin.invalidate();
        m_colors.apply(m_skinned);
    }
}

void TextAreaFrame::paintFrame()
{
    prepareCache();
    QPainter painter(m_control);
    const QImage& cache = m_skin.cache();
    paintFrameStrips(painter, cache, m_control->size(), m_look.width);
    const TsScrollBar* vertical = m_bars.bar(Qt::Vertical);
    const TsScrollBar* horizontal = m_bars.bar(Qt::Horizontal);
    const QWidget* parent = m_control->parentWidget();
    if (vertical && horizontal && vertical->isVisibleTo(parent) && horizontal->isVisibleTo(parent)) {
        const QRect corner(vertical->x() - m_control->x(), horizontal->y() - m_control->y(), vertical->width(),
                           horizontal->height());
        if (m_look.cornerInTextColour)
            painter.fillRect(corner, m_control->palette().color(QPalette::Base));
        else
            painter.drawImage(corner.topLeft(), cache, corner);
    }
}
