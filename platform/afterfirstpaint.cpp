#include "platform/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

AfterFirstPaint::AfterFirstPaint(QWidget* widget, std::function<void()> action)
    : QObject(widget),
      action_(std::move(action))
{
    widget->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            const std::function<void()> action = std::move(action_);
            deleteLater();
            action();
        });
    }
    return QObject::eventFilter(watched, event);
}
