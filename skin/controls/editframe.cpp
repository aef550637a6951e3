#include "skin/controls/editframe.h"

#include "skin/core/paintdisabled.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/tscommondata.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>

void prepareFrameCache(TsCommonData& skin, TsDisabledKind disabledKind)
{
    QWidget* control = skin.owner();
    if (!control || !skin.cacheOutdated())
        return;
    skin.prepareCacheBitmap();
    const TsCacheInfo parent = skin.parentCache();
    paintWholeItem(skin.skin(), skin.cache(),
                   SectionPaint{skin.skinIndex(), skin.SkinSection(), parent, control->pos(),
                                skin.hot() ? ControlState::Hot : ControlState::Normal});
    if (!control->isEnabled()) {
        const QColor under =
            control->parentWidget() ? control->parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
        paintDisabledLook(skin.cache(), disabledKind, rgbColor(under.red(), under.green(), under.blue()),
                          control->pos(), parent);
    }
    skin.markPainted();
}

void paintFrameStrips(QPainter& painter, const QImage& cache, QSize size, int width)
{
    const int w = size.width();
    const int h = size.height();
    const QRect strips[] = {
        QRect(0, 0, w, width),
        QRect(0, width, width, h - width),
        QRect(width, h - width, w - width, width),
        QRect(w - width, width, width, h - 2 * width),
    };
    for (const QRect& strip : strips)
        if (strip.isValid())
            painter.drawImage(strip.topLeft(), cache, strip);
}

PlatformFrame takeFrameOver(QFrame* control, int width)
{
    const PlatformFrame own{control->frameStyle(), control->lineWidth(), control->midLineWidth()};
    control->setFrameStyle(QFrame::Panel | QFrame::Plain);
    control->setLineWidth(width);
    control->setMidLineWidth(0);
    return own;
}

void giveFrameBack(QFrame* control, const PlatformFrame& frame)
{
    control->setFrameStyle(frame.style);
    control->setLineWidth(frame.lineWidth);
    control->setMidLineWidth(frame.midLineWidth);
}
