#include "skin/core/fadetimer.h"

#include "platform/apperror.h"
#include "platform/guarded.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/tscommondata.h"

#include <QCoreApplication>

TsFadeTimer::TsFadeTimer(QWidget* owner) : QTimer(owner), m_owner(owner)
{
    connect(this, &QTimer::timeout, this, &TsFadeTimer::onTimeout);
}

void TsFadeTimer::onTimeout()
{
    guarded([this] { tick(); });
}

void TsFadeTimer::setDirection(uint8_t direction)
{
    m_direction = direction;
    if (direction != FadeNone)
        start();
    else
        stop();
}

void TsFadeTimer::prepare(TsCommonData& data)
{
    ownerData = &data;
    startImage = data.cache().copy();
    const TsGeneralData* section = data.section();
    if (section && section->fadingIntervalIn < 0)
        throw AppError(QStringLiteral("Range check error"));
    if (section)
        setInterval(section->fadingIntervalIn);
    const int steps = section ? section->fadingIterations : 0;
    iterations = steps;
    if (m_direction == FadeIn)
        iterations = fadeLevel;
    else if (m_direction == FadeOut)
        iterations = steps - fadeLevel;
}

void TsFadeTimer::tick()
{
    if (!m_owner || !ownerData || ownerData->ownerDestroying() || QCoreApplication::closingDown()) {
        setDirection(FadeNone);
    } else if (fadeLevel > iterations) {
        --fadeLevel;
        setDirection(FadeNone);
    } else if (fadeLevel < 0) {
        sendSkinMessage(m_owner, SKM_STOPFADING);
        return;
    }
    switch (m_direction) {
    case FadeIn: fadeInStep(); break;
    case FadeOut: fadeOutStep(); break;
    default: stop(); break;
    }
}

void TsFadeTimer::fadeInStep()
{
    if (iterations == 0 || fadeLevel < 0)
        return;
    const int a = fadeLevel * 255 / iterations;
    QImage image = startImage.copy();
    blendImages(image, ownerData->cache(), 255 - a);
    showImage(image);
    ++fadeLevel;
}

void TsFadeTimer::fadeOutStep()
{
    if (iterations == 0 || fadeLevel < 0)
        return;
    const int a = fadeLevel * 255 / iterations;
    QImage image = ownerData->cache().copy();
    blendImages(image, startImage, 255 - a);
    showImage(image);
    --fadeLevel;
}

void TsFadeTimer::showImage(const QImage& image)
{
    frameImage = image;
    if (m_owner)
        m_owner->repaint();
}

bool canFade(QWidget* button, const TsCommonData& data)
{
    return button && button->isEnabled() && data.section() && data.section()->fadingEnabled;
}
