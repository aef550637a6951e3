#include "skin/core/skinmessage.h"

#include <QCoreApplication>

SkinMessageEvent::SkinMessageEvent(unsigned message, intptr_t wParam, intptr_t lParam)
    : QEvent(eventType()),
      message(message),
      wParam(wParam),
      lParam(lParam)
{}

QEvent::Type SkinMessageEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

intptr_t sendSkinMessage(QObject* receiver, unsigned message, intptr_t wParam, intptr_t lParam)
{
    if (!receiver)
        return 0;
    SkinMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.result;
}

TsCacheInfo requestSkinCache(QObject* receiver)
{
    if (!receiver)
        return {};
    SkinMessageEvent event(SKM_GETCACHE, 0, 0);
    QCoreApplication::sendEvent(receiver, &event);
    return event.cache;
}

unsigned skinMessageOf(const QEvent* event)
{
    if (event && event->type() == SkinMessageEvent::eventType())
        return static_cast<const SkinMessageEvent*>(event)->message;
    return 0;
}
