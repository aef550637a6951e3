#include "skin/controls/tsprogressbar.h"

#include "skin/core/paintsection.h"
#include "skin/core/skintables.h"
#include "skin/core/skintext.h"

#include <QPainter>

namespace {

const QString doneSection = QStringLiteral("PROGRESSH");
// The trough's border, which the part done stays inside.
constexpr int troughBorder = 2;

} // namespace

TsProgressBar::TsProgressBar(QWidget* parent) : Skinned(parent)
{}

TsProgressBar::Look TsProgressBar::look() const
{
    return {minimum(), maximum(), value(), isTextVisible() ? text() : QString()};
}

bool TsProgressBar::skinActive() const
{
    return SkinData.skinned() && parentWidget() && SkinData.skin().FindSection(doneSection) >= 0;
}

QRect TsProgressBar::doneRect() const
{
    const QRect trough = rect().adjusted(troughBorder, troughBorder, -troughBorder, -troughBorder);
    const qint64 range = qint64(maximum()) - minimum();
    if (range <= 0 || trough.isEmpty())
        return {};
    const qint64 done = std::clamp<qint64>(qint64(value()) - minimum(), 0, range);
    return QRect(trough.topLeft(), QSize(int(trough.width() * done / range), trough.height()));
}

void TsProgressBar::rebuildCache()
{
    m_paintedLook = look();
    SkinData.prepareCacheBitmap();
    QImage& cache = SkinData.cache();
    paintWholeItem(SkinData.skin(), cache,
                   {SkinData.skinIndex(), SkinData.SkinSection(), SkinData.parentCache(), pos()});
    const QRect done = doneRect();
    if (!done.isEmpty())
        paintItem(SkinData.skin(), cache, done,
                  {SkinData.skin().FindSection(doneSection), doneSection, {&cache, 0, 0, true}, done.topLeft()});
    if (isTextVisible() && maximum() > minimum()) {
        QPainter painter(&cache);
        painter.setFont(font());
        QRect textRect = rect();
        writeSkinText(SkinData.skin(), painter, text(),
                      {SkinData.skinIndex(), isEnabled(), false,
                       TextFlag::Center | TextFlag::VCenter | TextFlag::SingleLine | TextFlag::NoPrefix},
                      textRect);
    }
    SkinData.markPainted();
}

void TsProgressBar::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QProgressBar::paintEvent(event);
        return;
    }
    if (SkinData.suspended())
        return;
    if (SkinData.cacheOutdated(look() != m_paintedLook))
        rebuildCache();
    QPainter painter(this);
    SkinData.copyCacheToWindow(this, painter, rect());
}

bool TsProgressBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::EnabledChange:
    case QEvent::FontChange: SkinData.invalidate(); break;
    default: break;
    }
    return handleWithCache(event, [this] {
        if (skinActive())
            rebuildCache();
    });
}
