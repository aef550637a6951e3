#include "skin/controls/clientscroller.h"

#include "skin/controls/tsgrip.h"
#include "skin/controls/tsscrollbar.h"

#include "platform/guarded.h"
#include "platform/metrics.h"
#include "skin/controls/windowscrollmetrics.h"

#include <QApplication>
#include <QLayout>
#include <QPainter>
#include <QWheelEvent>

ClientScroller::ClientScroller(QWidget* form, QWidget* client, QObject* eventFilter)
    : m_form(form),
      m_client(client),
      m_eventFilter(eventFilter)
{}

QRect ClientScroller::gripRect() const
{
    if (!m_grip || !m_grip->isVisibleTo(m_form))
        return QRect();
    return QRect(m_grip->mapTo(m_form, QPoint(0, 0)), m_grip->size());
}

bool ClientScroller::scrolls(const QWidget* child) const
{
    // Controls a layout places fill the client whatever its size.
    const QLayout* layout = m_client->layout();
    return child != m_horizontalBar && child != m_verticalBar && child != m_corner && child != m_grip
           && !child->isWindow() && !(layout && layout->indexOf(child) >= 0);
}

QSize ClientScroller::contentExtent() const
{
    int right = 0;
    int bottom = 0;
    const QSize client = m_client->size();
    for (QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!scrolls(child) || child->isHidden())
            continue;
        // A control that ends exactly at the client's right or bottom edge is aligned to it (its
        // window arranges it to fill the client or to stand along that edge): it follows the
        // client and never needs scrolling to be reached in that direction.
        const QRect place = child->geometry();
        const QRect designedPlace = place.translated(m_offset);
        if (place.x() + place.width() != client.width())
            right = std::max(right, designedPlace.x() + designedPlace.width());
        if (place.y() + place.height() != client.height())
            bottom = std::max(bottom, designedPlace.y() + designedPlace.height());
    }
    const int margin = metrics::windowScroll::contentMargin;
    return {right + margin, bottom + margin};
}

QPoint ClientScroller::barOffset() const
{
    auto position = [this](const TsScrollBar* bar) { return bar && bar->isVisibleTo(m_client) ? bar->Position() : 0; };
    return {position(m_horizontalBar), position(m_verticalBar)};
}

void ClientScroller::updateBars()
{
    if (!m_framed) {
        for (QWidget* part : {static_cast<QWidget*>(m_horizontalBar), static_cast<QWidget*>(m_verticalBar), m_corner})
            if (part)
                part->hide();
        scrollChildrenTo(QPoint(0, 0));
        return;
    }
    const QSize content = contentExtent();
    const QSize client = m_client->size();
    const int thickness = metrics::scrollArrowSize;
    // Each bar takes room from the other direction, which may then need its bar too.
    bool vertical = content.height() > client.height();
    const bool horizontal = content.width() > client.width() - (vertical ? thickness : 0);
    vertical = vertical || (horizontal && content.height() > client.height() - thickness);
    const QSize view(client.width() - (vertical ? thickness : 0), client.height() - (horizontal ? thickness : 0));
    if (horizontal) {
        m_horizontalBar = placeBar(m_horizontalBar, Qt::Horizontal, content.width(), view.width(),
                                   QRect(0, view.height(), view.width(), thickness));
    } else if (m_horizontalBar) {
        m_horizontalBar->hide();
    }
    if (vertical) {
        m_verticalBar = placeBar(m_verticalBar, Qt::Vertical, content.height(), view.height(),
                                 QRect(view.width(), 0, thickness, view.height()));
    } else if (m_verticalBar) {
        m_verticalBar->hide();
    }
    if (horizontal && vertical) {
        if (!m_corner) {
            m_corner = new QWidget(m_client);
            m_corner->setObjectName(QStringLiteral("ScrollCorner"));
            m_corner->installEventFilter(m_eventFilter);
        }
        m_corner->setGeometry(view.width(), view.height(), thickness, thickness);
        m_corner->show();
        m_corner->raise();
    } else if (m_corner) {
        m_corner->hide();
    }
    scrollChildrenTo(barOffset());
    updateGrip();
}

void ClientScroller::scrollChildrenTo(QPoint offset)
{
    const QPoint delta = m_offset - offset;
    if (delta.isNull())
        return;
    m_offset = offset;
    for (QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (scrolls(child))
            child->move(child->pos() + delta);
}

// A wheel turned over the client, or over a control that leaves the wheel unused, scrolls the
// window: up and down with the vertical bar, or sideways when only the horizontal one is shown.
bool ClientScroller::scrollByWheel(QWheelEvent* event)
{
    auto shown = [this](TsScrollBar* bar) { return bar && bar->isVisibleTo(m_client) ? bar : nullptr; };
    const QPoint turn = event->angleDelta();
    TsScrollBar* bar = std::abs(turn.x()) > std::abs(turn.y()) ? shown(m_horizontalBar) : shown(m_verticalBar);
    if (!bar)
        bar = shown(m_horizontalBar);
    if (!bar)
        return false;
    QApplication::sendEvent(bar, event);
    return event->isAccepted();
}

// A control reached with the keyboard while it stands outside the scrolled view is brought into
// it, the least distance that shows it whole (its top-left corner when it is larger than the view).
void ClientScroller::scrollIntoView(QWidget* control)
{
    if (!m_framed || !m_client->isAncestorOf(control))
        return;
    const QWidget* child = control;
    while (child->parentWidget() != m_client)
        child = child->parentWidget();
    if (!scrolls(child))
        return;
    const QRect place(control->mapTo(m_client, QPoint(0, 0)), control->size());
    auto bring = [](TsScrollBar* bar, int start, int end, int view) {
        if (!bar || bar->isHidden())
            return;
        int shift = 0;
        if (end > view)
            shift = end - view;
        if (start - shift < 0)
            shift = start;
        if (shift != 0)
            bar->setPosition(bar->Position() + shift);
    };
    const int viewWidth = m_verticalBar && !m_verticalBar->isHidden() ? m_verticalBar->x() : m_client->width();
    const int viewHeight = m_horizontalBar && !m_horizontalBar->isHidden() ? m_horizontalBar->y() : m_client->height();
    bring(m_horizontalBar, place.left(), place.left() + place.width(), viewWidth);
    bring(m_verticalBar, place.top(), place.top() + place.height(), viewHeight);
}

void ClientScroller::paintCorner(const QImage& frame)
{
    // The square between the bars shows the window's background from the skin, over whatever
    // control is scrolled beneath it.
    QPainter painter(m_corner);
    painter.drawImage(QPoint(0, 0), frame, QRect(m_corner->mapTo(m_form, QPoint(0, 0)), m_corner->size()));
}

// The grip stands over the client's corner, above the scroll bars' corner square, and does not
// scroll with the controls.
void ClientScroller::updateGrip()
{
    const bool wanted = m_framed && m_gripWanted && !m_form->isMaximized() && !m_form->isMinimized();
    if (!wanted) {
        if (m_grip)
            m_grip->hide();
        return;
    }
    if (!m_grip) {
        m_grip = new TsGrip(m_client);
        m_grip->setObjectName(QStringLiteral("SizeGrip"));
        m_grip->setCursor(Qt::SizeFDiagCursor);
        m_grip->installEventFilter(m_eventFilter);
    }
    m_grip->move(m_client->width() - m_grip->width(), m_client->height() - m_grip->height());
    m_grip->show();
    m_grip->raise();
}

TsScrollBar* ClientScroller::placeBar(TsScrollBar* bar, Qt::Orientation orientation, int content, int view,
                                      const QRect& place)
{
    if (!bar) {
        bar = new TsScrollBar(m_client);
        bar->setKind(orientation == Qt::Horizontal ? sbHorizontal : sbVertical);
        bar->setOwnerControl(m_client);
        bar->setTabStop(false);
        bar->setSmallChange(metrics::windowScroll::increment);
        connectGuarded(bar, &TsScrollBar::positionChanged, this, [this] { scrollChildrenTo(barOffset()); });
    }
    bar->setUpdating(true);
    bar->setMax(content - view);
    bar->setPageSize(view);
    bar->setLargeChange(view);
    bar->setUpdating(false);
    bar->setGeometry(place);
    bar->show();
    bar->raise();
    return bar;
}
