#include "skin/controls/tstabsheet.h"

#include "skin/controls/tspagecontrol.h"
#include "skin/core/skinmessage.h"

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
    TsPageControl* pages = skinMessageOf(event) == SKM_GETCACHE ? pageControl() : nullptr;
    if (!pages)
        return Skinned::event(event);
    auto* request = static_cast<SkinMessageEvent*>(event);
    request->cache = requestSkinCache(pages);
    const QPoint place = mapTo(pages, QPoint(0, 0));
    request->cache.x += place.x();
    request->cache.y += place.y();
    return true;
}
