#include "skin/controls/containerpaint.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmessage.h"
#include "skin/core/tscommondata.h"

#include <QPainter>
#include <QWidget>

namespace {

bool isOpaque(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_OpaquePaintEvent) || widget->autoFillBackground();
}

bool isSkinned(QWidget* widget)
{
    return sendSkinMessage(widget, SKM_GETSKININDEX) > 0;
}

} // namespace

void paintGraphicChildren(QWidget* container, QPainter& painter, const TsCacheInfo& cache)
{
    if (!container)
        return;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(container) || child->size().isEmpty()
            || !child->property(TsCommonData::windowlessProperty).toBool())
            continue;
        const QRect place = child->geometry();
        if (!painter.clipRegion().isEmpty() && !painter.clipRegion().intersects(place))
            continue;
        if (isOpaque(child) || !cache.ready || !cache.bitmap) {
            const QWidget::RenderFlags flags = isOpaque(child) ? QWidget::DrawWindowBackground | QWidget::DrawChildren
                                                               : QWidget::RenderFlags(QWidget::DrawChildren);
            child->render(&painter, place.topLeft(), QRegion(), flags);
            continue;
        }
        QImage layer(place.size(), QImage::Format_BGR888);
        copyBlock(layer, QPoint(0, 0), *cache.bitmap, QRect(place.topLeft() + QPoint(cache.x, cache.y), place.size()));
        child->render(&layer, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
        painter.drawImage(place.topLeft(), layer);
    }
}

void sendToChildren(QWidget* container, unsigned message, intptr_t wParam, intptr_t lParam)
{
    if (!container)
        return;
    for (QObject* child : container->children())
        if (child->isWidgetType())
            sendSkinMessage(child, message, wParam, lParam);
}

void releasePreparedCaches(QWidget* control)
{
    if (!control)
        return;
    sendSkinMessage(control, SKM_PREPARECACHE, 0);
    for (QWidget* child : control->findChildren<QWidget*>())
        sendSkinMessage(child, SKM_PREPARECACHE, 0);
}

void redrawContainer(QWidget* container, bool backgroundChanged)
{
    if (!container)
        return;
    if (backgroundChanged)
        sendSkinMessage(container, SKM_SETBGCHANGED, 0, 1);
    container->update();
    for (QWidget* child : container->findChildren<QWidget*>()) {
        if (!isSkinned(child))
            continue;
        if (backgroundChanged)
            sendSkinMessage(child, SKM_SETBGCHANGED, 0, 1);
        child->update();
    }
}

void invalidateSkinnedControls(QWidget* window)
{
    if (!window)
        return;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->property(TsCommonData::windowlessProperty).toBool() && isSkinned(child))
            child->update();
}

QWidget* owningWindow(QObject* object)
{
    for (; object; object = object->parent())
        if (object->isWidgetType() && static_cast<QWidget*>(object)->isWindow())
            return static_cast<QWidget*>(object);
    return nullptr;
}

TextFlags alignmentTextFlags(CaptionAlignment alignment)
{
    TextFlags flags = TextFlag::SingleLine | TextFlag::VCenter | TextFlag::ExpandTabs;
    if (alignment == CaptionAlignment::Right)
        flags |= TextFlag::Right;
    else if (alignment == CaptionAlignment::Center)
        flags |= TextFlag::Center;
    return flags;
}
