#pragma once

// Fading between a button's old and new look: each tick shows one intermediate image, blended
// from the look the button had when the fade was prepared and the look now in its cache.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class TsCommonData;

enum FadeDirection : uint8_t { FadeNone = 0, FadeIn = 1, FadeOut = 2 };

// For windowed buttons: each intermediate image is kept in `frameImage` and the button is repainted
// at once; the button, while the timer runs, paints shownImage() instead of its cache, which keeps
// the new look for every later paint.
class TsFadeTimer : public QTimer {
    Q_OBJECT
public:
    explicit TsFadeTimer(QWidget* owner);

    uint8_t direction() const { return m_direction; }
    // The timer runs exactly while the direction is not FadeNone.
    void setDirection(uint8_t direction);

    // Remembers the button's look (its cache) as the start image and takes the interval and the
    // number of steps from its section; a fade still running keeps only the steps left to it.
    // A negative interval fails with "Range check error".
    void prepare(TsCommonData& ownerData);

    // One timer event.
    void tick();

    // What the button shows while the timer runs: the last intermediate image, or the old look
    // before the first one.
    const QImage& shownImage() const { return frameImage.isNull() ? startImage : frameImage; }

    TsCommonData* ownerData = nullptr;
    int iterations = 0;
    int fadeLevel = 0;
    QImage startImage;
    QImage frameImage;

protected:
    virtual void showImage(const QImage& image);
    // A tick from the event loop: failures reach the user like those of any other handler.
    virtual void onTimeout();

    QPointer<QWidget> m_owner;

private:
    void fadeInStep();
    void fadeOutStep();

    uint8_t m_direction = FadeNone;
};

// What a button does on SKM_STOPFADING: the timer stops and is freed (once control is back in the
// event loop, since the request may come from inside the timer's own tick). Returns the fade
// level the timer had, -1 when there was none.
template <typename Timer>
int stopFade(Timer*& timer)
{
    if (!timer)
        return -1;
    const int level = timer->fadeLevel;
    timer->setDirection(FadeNone);
    timer->deleteLater();
    timer = nullptr;
    return level;
}

// The button is enabled and its section has FadingEnabled.
bool canFade(QWidget* button, const TsCommonData& data);

// What a button does on mouse enter (fadeIn) or leave. Returns false, doing nothing, when the
// button cannot fade: it then simply repaints. Otherwise the timer is created when missing,
// prepared with the old look, `paintCache` repaints the cache in the new state, and the fade
// starts.
template <typename Timer>
bool startFade(Timer*& timer, QWidget* button, TsCommonData& data, bool fadeIn, const auto& paintCache)
{
    if (!canFade(button, data))
        return false;
    if (!timer) {
        timer = new Timer(button);
        timer->fadeLevel = fadeIn ? 1 : 0;
    }
    timer->prepare(data);
    paintCache();
    timer->setDirection(fadeIn ? FadeIn : FadeOut);
    return true;
}
