#pragma once

// The skin command messages by which the skin manager, parents and children coordinate skin
// changes, cache copies and repaints. They travel as one event type, sent synchronously, so the
// sender reads the receiver's answer from the event it sent (`result`, or `cache` for SKM_GETCACHE)
// right after the send returns.

#include "skin/core/skintypes.h"

#include <QEvent>

#include <cstdint>

constexpr unsigned SKM_SETBGCHANGED = 0xA501;
constexpr unsigned SKM_SETNEWSKIN = 0xA502;
constexpr unsigned SKM_REMOVESKIN = 0xA503;
constexpr unsigned SKM_REPAINT = 0xA507;
constexpr unsigned SKM_GETCACHE = 0xA508;
constexpr unsigned SKM_REPAINTCHILD = 0xA509;
constexpr unsigned SKM_SECTIONCHANGED = 0xA50A;
constexpr unsigned SKM_SETUPDATING = 0xA50E;
constexpr unsigned SKM_PREPARECACHE = 0xA50F;
constexpr unsigned SKM_STOPFADING = 0xA510;
constexpr unsigned SKM_ISUPDATING = 0xA511;
constexpr unsigned SKM_ISHALFVISIBLE = 0xA512;
constexpr unsigned SKM_SETPAINTINGCHILD = 0xA513;
constexpr unsigned SKM_PARENTBGCHANGED = 0xA514;
constexpr unsigned SKM_GETSKININDEX = 0xA515;
// 0xA506 and 0xA50C belong to the window frame and the scrolling-container adapters.

class SkinMessageEvent : public QEvent {
public:
    SkinMessageEvent(unsigned message, intptr_t wParam, intptr_t lParam);

    static QEvent::Type eventType();

    unsigned message;
    intptr_t wParam;
    intptr_t lParam;
    intptr_t result = 0;
    TsCacheInfo cache; // SKM_GETCACHE: filled by a receiver that has a cache, else not ready
};

// Sends the message synchronously and returns its result (0 when nobody answered).
intptr_t sendSkinMessage(QObject* receiver, unsigned message, intptr_t wParam = 0, intptr_t lParam = 0);

// Asks the receiver for the cache its children paint over (not ready when it has none or does not
// answer).
TsCacheInfo requestSkinCache(QObject* receiver);

// An object reference carried in LParam, and back.
inline intptr_t toLParam(const void* object)
{
    return reinterpret_cast<intptr_t>(object);
}
template <typename T>
T* fromLParam(intptr_t lParam)
{
    return reinterpret_cast<T*>(lParam);
}

// The message of an event if it is a skin message, else 0.
unsigned skinMessageOf(const QEvent* event);
