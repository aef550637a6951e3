#include "platform/screenfit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
QRect workArea(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

QMargins frameMargins(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void keepWithinScreen(QWidget* window)
{
    const QRect area = workArea(window);
    if (area.isEmpty())
        return;
    const QMargins frame = frameMargins(window);
    const QSize room = area.marginsRemoved(frame).size();
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size.grownBy(frame);
    // A window still larger than the work area keeps its top-left corner, with the caption, in it.
    const int left = std::max(area.left(), std::min(window->x(), area.right() + 1 - outer.width()));
    const int top = std::max(area.top(), std::min(window->y(), area.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != window->pos())
        window->move(left, top);
}

void fillWorkArea(QWidget* window)
{
    const QRect area = workArea(window);
    if (!area.isEmpty())
        window->setGeometry(area.marginsRemoved(frameMargins(window)));
}
