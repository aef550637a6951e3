#include "skin/controls/ownedscrollbars.h"

#include "skin/controls/screenreaderhiding.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/core/tscommondata.h"

#include "platform/metrics.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// A control this small or smaller in either direction has no room for skinned bars.
constexpr int smallestWithBars = 15;

} // namespace

OwnedScrollBars::OwnedScrollBars(QAbstractScrollArea* owner, TsCommonData& skin, Placement placement)
    : m_owner(owner),
      m_skin(skin),
      m_placement(placement)
{
    owner->installEventFilter(this);
    watchPlatformBars();
}

OwnedScrollBars::~OwnedScrollBars()
{
    delete m_vertical.data();
    delete m_horizontal.data();
}

TsScrollBar* OwnedScrollBars::bar(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? m_vertical.data() : m_horizontal.data();
}

QScrollBar* OwnedScrollBars::platformBar(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? m_owner->verticalScrollBar() : m_owner->horizontalScrollBar();
}

// The platform's bars may be replaced by the control; each one is watched once, together with the
// holder that the control shows and hides it in.
void OwnedScrollBars::watchPlatformBars()
{
    for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QPointer<QScrollBar>& watched = orientation == Qt::Vertical ? m_watchedVertical : m_watchedHorizontal;
        QScrollBar* platform = platformBar(orientation);
        if (!platform || watched == platform)
            continue;
        watched = platform;
        platform->installEventFilter(this);
        if (QWidget* holder = platform->parentWidget(); holder && holder != m_owner)
            holder->installEventFilter(this);
        // The platform sets the page after the range, without telling.
        connect(platform, &QAbstractSlider::rangeChanged, this, &OwnedScrollBars::synchronizeLater);
        connect(platform, &QAbstractSlider::valueChanged, this, &OwnedScrollBars::synchronize);
    }
}

bool OwnedScrollBars::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
        // Whoever moves the control may move its siblings, the bars among them, right after it:
        // they are placed once that is done.
        synchronizeLater();
        break;
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::EnabledChange:
    case QEvent::ParentChange:
    case QEvent::LayoutDirectionChange: synchronize(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void OwnedScrollBars::synchronizeLater()
{
    if (m_synchronizingLater)
        return;
    m_synchronizingLater = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_synchronizingLater = false;
            synchronize();
        },
        Qt::QueuedConnection);
}

bool OwnedScrollBars::needed(Qt::Orientation orientation, bool allowed) const
{
    if (!allowed || !(m_placement.orientations & orientation))
        return false;
    const QScrollBar* platform = platformBar(orientation);
    if (!platform || !platform->isVisibleTo(m_owner))
        return false;
    return orientation == Qt::Horizontal || !m_verticalWanted || m_verticalWanted();
}

TsScrollBar* OwnedScrollBars::makeBar(Qt::Orientation orientation)
{
    auto* made = new TsScrollBar(m_owner->parentWidget());
    // Screen readers meet the control's own bar, which still scrolls it.
    hideFromScreenReaders(made);
    made->setObjectName(
        m_owner->objectName()
        + (orientation == Qt::Vertical ? QStringLiteral("VerticalBar") : QStringLiteral("HorizontalBar")));
    made->setOwnerControl(m_owner);
    made->setUpdating(true);
    made->setKind(orientation == Qt::Vertical ? sbVertical : sbHorizontal);
    made->setTabStop(false);
    made->setSmooth(true);
    // Moving the skinned bar scrolls the control as its own bar would.
    connect(made, &TsScrollBar::positionChanged, this, [this, orientation] {
        if (m_synchronizing)
            return;
        if (QScrollBar* platform = platformBar(orientation))
            platform->setValue(bar(orientation)->Position());
    });
    made->setUpdating(false);
    return made;
}

// The platform's bar holds Min..Max with Max already less the page, as the skinned bar wants it; a
// bar with nothing to scroll shows disabled.
void OwnedScrollBars::takeValues(TsScrollBar* bar, const QScrollBar* platform) const
{
    const int min = platform->minimum();
    const int max = platform->maximum();
    const int page = platform->pageStep();
    bar->setEnabled(m_owner->isEnabled());
    if (max >= min && max != 0 && bar->isEnabled()) {
        bar->setMax(max);
        bar->setMin(min);
        bar->setPosition(platform->value());
        bar->setPageSize(page);
        bar->setLargeChange(page > 0 ? page : 1);
    } else {
        bar->showNothingToScroll(page);
        bar->setEnabled(false);
    }
}

void OwnedScrollBars::synchronize()
{
    QWidget* parent = m_owner->parentWidget();
    if (m_synchronizing || !parent || m_skin.ownerDestroying())
        return;
    m_synchronizing = true;
    watchPlatformBars();
    const bool allowed = m_skin.skinned() && !m_owner->isHidden() && m_owner->width() > smallestWithBars
                         && m_owner->height() > smallestWithBars;
    const bool vertical = needed(Qt::Vertical, allowed);
    const bool horizontal = needed(Qt::Horizontal, allowed);
    const int inset = m_placement.inset;
    const QRect area = m_owner->geometry();
    const int width = std::min(metrics::scrollArrowSize + m_placement.extraThickness, area.width() - 2 * inset);
    const int height = std::min(metrics::scrollArrowSize, area.height() - 2 * inset);
    const bool leftToRight = m_owner->layoutDirection() == Qt::LeftToRight;

    for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QPointer<TsScrollBar>& bar = orientation == Qt::Vertical ? m_vertical : m_horizontal;
        if (!(orientation == Qt::Vertical ? vertical : horizontal)) {
            if (bar)
                bar->hide();
            continue;
        }
        if (!bar || bar->parentWidget() != parent) {
            delete bar.data();
            bar = makeBar(orientation);
        }
        bar->setUpdating(true);
        takeValues(bar, platformBar(orientation));
        QRect place;
        if (orientation == Qt::Vertical) {
            const int left = leftToRight ? area.width() - width - inset : inset;
            place = QRect(left, inset, width, area.height() - 2 * inset - (horizontal ? height : 0));
        } else {
            const int left = leftToRight || !vertical ? inset : inset + width;
            place =
                QRect(left, area.height() - height - inset, area.width() - 2 * inset - (vertical ? width : 0), height);
        }
        bar->setGeometry(place.translated(area.topLeft()));
        bar->show();
        bar->raise();
        bar->setUpdating(false);
    }
    m_synchronizing = false;
}
