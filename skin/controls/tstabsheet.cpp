#include "skin/controls/tstabsheet.h"

#include "skin/controls/containerpaint.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/core/skinmessage.h"

#include "platform/guarded.h"

#include <QPainter>

TsPageControl* TsTabSheet::pageControl() const
{
    // A page control keeps its pages inside a stack of its own, so the page is not its direct child.
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
        if (auto* pages = qobject_cast<TsPageControl*>(widget))
            return pages;
    }
    return nullptr;
}

bool TsTabSheet::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show: guarded([this] { emit shown(); }); break;
    case QEvent::Hide: guarded([this] { emit hidden(); }); break;
    // Focus belongs to the controls on the page; the page itself has no focused look.
    case QEvent::FocusIn:
    case QEvent::FocusOut: return QWidget::event(event);
    default: break;
    }
    const unsigned message = skinMessageOf(event);
    TsPageControl* pages = message == SKM_GETCACHE || message == SKM_ISUPDATING ? pageControl() : nullptr;
    if (!pages) {
        const bool answered = Skinned::event(event);
        // The page itself is repainted with its page control, which it lets show through.
        if (message == SKM_REPAINTCHILD)
            sendToChildren(this, SKM_REPAINTCHILD);
        return answered;
    }
    auto* request = static_cast<SkinMessageEvent*>(event);
    if (message == SKM_ISUPDATING) {
        request->result = pages->SkinData.imagePending() ? 1 : 0;
        return true;
    }
    request->cache = requestSkinCache(pages);
    const QPoint place = mapTo(pages, QPoint(0, 0));
    request->cache.x += place.x();
    request->cache.y += place.y();
    return true;
}

void TsTabSheet::paintEvent(QPaintEvent* event)
{
    TsPageControl* pages = pageControl();
    if (!pages || !pages->skinPaints()) {
        QWidget::paintEvent(event);
        return;
    }
    // Asking for the cache brings it up to date first.
    const TsCacheInfo cache = requestSkinCache(this);
    if (!cache.ready)
        return;
    QPainter painter(this);
    pages->SkinData.copyCacheToWindow(this, painter, QRect(cache.x, cache.y, width(), height()));
    paintGraphicChildren(this, painter, cache);
}
