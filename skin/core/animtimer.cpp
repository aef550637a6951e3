#include "skin/core/animtimer.h"

#include "skin/core/skinmessage.h"

TsAnimTimer::TsAnimTimer(QWidget* owner) : TsFadeTimer(owner)
{}

void TsAnimTimer::onTimeout()
{
    try {
        tick();
    } catch (...) {}
}

void TsAnimTimer::showImage(const QImage& image)
{
    if (!m_owner)
        return;
    frameImage = image;
    QWidget* parent = m_owner->parentWidget();
    if (parent)
        sendSkinMessage(parent, SKM_SETPAINTINGCHILD, 0, toLParam(m_owner.data()));
    m_owner->repaint();
    if (parent)
        sendSkinMessage(parent, SKM_SETPAINTINGCHILD, 0, 0);
}
