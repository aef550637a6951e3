#include "skin/controls/tscustomtabcontrol.h"

#include "skin/controls/containerpaint.h"
#include "skin/controls/fixedsizetabbar.h"
#include "skin/controls/screenreaderhiding.h"
#include "skin/controls/tsupdown.h"
#include "skin/core/paintmarks.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/skintext.h"

#include "platform/metrics.h"
#include "skin/controls/tabcontrolmetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

namespace {

const TsTabIndexes& tabIndexes(const SkinTables& skin, QTabWidget::TabPosition side)
{
    const TsCommonIndexes& common = skin.commonIndexes;
    switch (side) {
    case QTabWidget::South: return common.tabBottom;
    case QTabWidget::West: return common.tabLeft;
    case QTabWidget::East: return common.tabRight;
    case QTabWidget::North: break;
    }
    return common.tabTop;
}

// How the skin's tab outlines are laid over the platform's tab rectangles, as edge moves (left,
// top, right, bottom) for the current tab and the others. The current tab stands out toward the
// display area so that it joins it; the others reach under the display area's frame, which hides
// their inner edge.
struct TabAdjustment {
    int current[4];
    int other[4];
};

const TabAdjustment& tabAdjustment(QTabWidget::TabPosition side)
{
    static const TabAdjustment top{{-2, -1, 2, 2}, {-2, -1, 1, 6}};
    static const TabAdjustment bottom{{-2, -3, 2, 1}, {-2, -3, 1, 1}};
    static const TabAdjustment left{{-1, -2, 3, 1}, {0, -1, 3, 0}};
    static const TabAdjustment right{{-3, -2, 1, 2}, {-2, -1, -1, 0}};
    switch (side) {
    case QTabWidget::South: return bottom;
    case QTabWidget::West: return left;
    case QTabWidget::East: return right;
    case QTabWidget::North: break;
    }
    return top;
}

// Space the caption keeps from an image beside it.
constexpr int imageGap = 8;

} // namespace

TsCustomTabControl::TsCustomTabControl(QWidget* parent) : Skinned(parent), m_tabBar(new FixedSizeTabBar(this))
{
    setTabBar(m_tabBar);
    resize(metrics::tabControl::defaultSize);
    // The tab bar and its scroll arrows stay in place for the platform's geometry, keyboard and
    // screen readers; while the skin paints, they show nothing of their own.
    tabBar()->installEventFilter(this);
    tabBar()->setMouseTracking(true);
    for (QToolButton* arrow : tabBar()->findChildren<QToolButton*>())
        arrow->installEventFilter(this);
    connect(this, &QTabWidget::currentChanged, this, [this] {
        markChanged();
        updateUpDown();
    });
    // The platform knows these keys only while the tab bar has focus; they work from anywhere in
    // the control.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    for (QShortcut* shortcut : {next, previous})
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { selectNextTab(true); });
    connect(previous, &QShortcut::activated, this, [this] { selectNextTab(false); });
}

int TsCustomTabControl::TabWidth() const
{
    return m_tabBar->fixedTabWidth();
}

void TsCustomTabControl::setTabWidth(int width)
{
    m_tabBar->setFixedTabSize(std::max(width, 0), TabHeight());
    markChanged();
    updateUpDown();
}

int TsCustomTabControl::TabHeight() const
{
    return m_tabBar->fixedTabHeight();
}

void TsCustomTabControl::setTabHeight(int height)
{
    m_tabBar->setFixedTabSize(TabWidth(), std::max(height, 0));
    markChanged();
    updateUpDown();
}

QString TsCustomTabControl::positionSectionName() const
{
    switch (tabPosition()) {
    case South: return SkinData.SkinSection() + QStringLiteral("BOTTOM");
    case West: return SkinData.SkinSection() + QStringLiteral("LEFT");
    case East: return SkinData.SkinSection() + QStringLiteral("RIGHT");
    case North: break;
    }
    return SkinData.SkinSection();
}

// Looked up again whenever the name changes with the tab side or the control's section, and after
// a skin change.
int TsCustomTabControl::positionSection() const
{
    const QString name = positionSectionName();
    if (name != m_lookedUpName) {
        m_lookedUpName = name;
        m_positionSection = SkinData.skin().FindSection(name);
    }
    return m_positionSection;
}

bool TsCustomTabControl::skinPaints() const
{
    return skinData().ready && SkinData.skinned() && SkinData.skin().isValidSectionIndex(positionSection());
}

QRect TsCustomTabControl::platformTabRect(int index) const
{
    if (index < 0 || index >= count() || !isTabVisible(index))
        return {};
    // The platform's tabs leave two pixels free on their outer side, from which the current tab
    // rises above the others.
    QRect rect = tabBar()->tabRect(index).translated(tabBar()->pos());
    switch (tabPosition()) {
    case North: rect.adjust(0, 2, 0, 0); break;
    case South: rect.adjust(0, 0, 0, -2); break;
    case West: rect.adjust(2, 0, 0, 0); break;
    case East: rect.adjust(0, 0, -2, 0); break;
    }
    return rect;
}

QRect TsCustomTabControl::tabDrawRect(int index) const
{
    const QRect platform = platformTabRect(index);
    if (platform.isEmpty())
        return {};
    const TabAdjustment& adjustment = tabAdjustment(tabPosition());
    const int* edges = index == currentIndex() ? adjustment.current : adjustment.other;
    return platform.adjusted(edges[0], edges[1], edges[2], edges[3]);
}

int TsCustomTabControl::tabAt(QPoint point) const
{
    if (!tabBar()->isVisibleTo(this))
        return -1;
    return tabBar()->tabAt(tabBar()->mapFrom(this, point));
}

QRect TsCustomTabControl::displayRect() const
{
    // The platform's tab bar may stand deeper than its tabs; the display area starts where they
    // end.
    QRect tabs;
    if (tabBar()->isVisibleTo(this))
        for (int index = 0; index < count(); ++index)
            if (isTabVisible(index))
                tabs |= tabBar()->tabRect(index).translated(tabBar()->pos());
    if (tabs.isEmpty())
        return rect();
    switch (tabPosition()) {
    case South: return QRect(0, 0, width(), tabs.top());
    case West: return QRect(tabs.right() + 1, 0, width() - tabs.right() - 1, height());
    case East: return QRect(0, 0, tabs.left(), height());
    case North: break;
    }
    return QRect(0, tabs.bottom() + 1, width(), height() - tabs.bottom() - 1);
}

TsCustomTabControl::Look TsCustomTabControl::currentLook() const
{
    Look look;
    for (int index = 0; index < count(); ++index)
        look.tabs.append({platformTabRect(index), tabText(index), isTabEnabled(index)});
    look.current = currentIndex();
    look.focused = hasFocus();
    look.enabled = isEnabled();
    look.strip = tabBar()->isVisibleTo(this) ? tabBar()->geometry() : QRect();
    return look;
}

void TsCustomTabControl::markChanged()
{
    SkinData.markStale();
    update();
}

const QImage& TsCustomTabControl::skinImage()
{
    if (SkinData.cacheOutdated(m_paintedLook != currentLook()) && skinPaints())
        rebuildCache();
    return SkinData.cache();
}

void TsCustomTabControl::rebuildCache()
{
    SkinData.prepareCacheBitmap();
    QImage& cache = SkinData.cache();
    if (cache.isNull())
        return;
    const TsCacheInfo parent = SkinData.parentCache();
    const QRect display = displayRect();
    const QColor parentColor = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
    const bool parentPicture = parent.ready && parent.bitmap;
    for (const QRect& strip : QRegion(rect()).subtracted(display)) {
        const QRect under = strip.translated(pos() + QPoint(parent.x, parent.y));
        // Where the control stands beyond its parent's picture (scrolled half out of view) there
        // is nothing to copy: the parent's colour stands there, not what the cache held before.
        if (!parentPicture || !parent.bitmap->rect().contains(under))
            solidFill(cache, strip, rgbColor(parentColor.red(), parentColor.green(), parentColor.blue()));
        if (parentPicture)
            copyBlock(cache, strip.topLeft(), *parent.bitmap, under);
    }
    const int current = currentIndex();
    for (int index = 0; index < count(); ++index)
        if (index != current)
            drawTab(cache, index, false);
    paintItem(SkinData.skin(), cache, display,
              SectionPaint{positionSection(), positionSectionName(), parent, pos() + display.topLeft()});
    if (current >= 0)
        drawTab(cache, current, true);
    paintActivePage(cache);
    m_paintedLook = currentLook();
    SkinData.markPainted();
}

// The current tab is drawn pressed; the one under the pointer hot, when it can be chosen.
ControlState TsCustomTabControl::tabState(int index) const
{
    if (index == currentIndex())
        return ControlState::Pressed;
    return index == m_hotTab && isTabEnabled(index) ? ControlState::Hot : ControlState::Normal;
}

void TsCustomTabControl::drawTab(QImage& cache, int index, bool current)
{
    const QRect rect = tabDrawRect(index);
    if (rect.isEmpty())
        return;
    const TsTabIndexes& indexes = tabIndexes(SkinData.skin(), tabPosition());
    if (indexes.section >= 0 && indexes.bordersMask >= 0) {
        // Painted apart and copied in, so that a tab scrolled partly out of the control still
        // shows the part that is in.
        QImage tab(rect.size(), QImage::Format_BGR888);
        const SectionPaint paint{indexes.section, SkinData.skin().sections[indexes.section].sectionName,
                                 TsCacheInfo{&cache, 0, 0, true}, rect.topLeft(), tabState(index)};
        paintTabItem(SkinData.skin(), tab, tab.rect(), paint);
        copyBlock(cache, rect.topLeft(), tab, tab.rect());
    }
    if (OwnerDraw) {
        QPainter canvas(&cache);
        emit ownerDrawTab(canvas, index, rect, current);
        return;
    }
    drawCaption(cache, index, rect, current);
    if (current && hasFocus())
        paintFocusRect(cache, platformTabRect(index).adjusted(-1, 0, 1, 0));
}

// Top and bottom tabs write across; side tabs write along the tab, turned toward the tab's side.
void TsCustomTabControl::drawCaption(QImage& cache, int index, const QRect& rect, bool current)
{
    QPainter canvas(&cache);
    canvas.setFont(tabBar()->font());
    const QString text = tabText(index);
    const QIcon icon = tabIcon(index);
    const QSize imageSize = icon.isNull() ? QSize() : tabBar()->iconSize();
    const TabPosition side = tabPosition();
    const bool across = side == North || side == South;
    QRect area(QPoint(0, 0), across ? rect.size() : rect.size().transposed());
    if (across) {
        canvas.translate(rect.topLeft());
    } else {
        canvas.translate(QRectF(rect).center() + QPointF(side == West && current ? 2 : 0, 0));
        canvas.rotate(side == West ? 270 : 90);
        area.moveCenter(QPoint(0, 0));
    }
    QRect textArea = area;
    if (!imageSize.isEmpty()) {
        const int textWidth = textExtent(canvas.font(), text).width();
        const int x = area.left() + (area.width() - textWidth - imageSize.width() - imageGap) / 2;
        const int y = area.top() + (area.height() - imageSize.height()) / 2;
        canvas.drawPixmap(x, y, icon.pixmap(imageSize, isEnabled() ? QIcon::Normal : QIcon::Disabled));
        textArea = QRect(x + imageSize.width() + imageGap, area.top(), textWidth, area.height());
    }
    const SkinTextStyle style{positionSection(), isEnabled() && isTabEnabled(index), looksHot(tabState(index)),
                              TextFlag::Center | TextFlag::VCenter | TextFlag::SingleLine};
    writeSkinText(SkinData.skin(), canvas, text, style, textArea);
}

void TsCustomTabControl::paintActivePage(QImage& cache)
{
    QWidget* page = currentWidget();
    if (!page)
        return;
    const int section = int(sendSkinMessage(page, SKM_GETSKININDEX)) - 1;
    if (!SkinData.skin().isValidSectionIndex(section))
        return;
    const QRect place(page->mapTo(this, QPoint(0, 0)), page->size());
    const SectionPaint paint{section, SkinData.skin().sections[section].sectionName, TsCacheInfo{&cache, 0, 0, true},
                             place.topLeft()};
    paintSectionBackground(SkinData.skin(), cache, place.intersected(cache.rect()), paint);
}

void TsCustomTabControl::paintEvent(QPaintEvent* event)
{
    if (!skinPaints()) {
        QTabWidget::paintEvent(event);
        SkinData.markStale();
        return;
    }
    if (SkinData.updating())
        return;
    const bool rebuilt = SkinData.cacheOutdated(m_paintedLook != currentLook());
    skinImage();
    QPainter painter(this);
    SkinData.copyCacheToWindow(this, painter, rect());
    painter.end();
    if (!rebuilt)
        return;
    sendToChildren(this, SKM_REPAINTCHILD);
    if (QWidget* page = currentWidget())
        sendSkinMessage(page, SKM_REPAINTCHILD);
}

void TsCustomTabControl::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    markChanged();
    updateUpDown();
}

void TsCustomTabControl::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    markChanged();
    updateUpDown();
}

void TsCustomTabControl::tabRemoved(int index)
{
    QTabWidget::tabRemoved(index);
    markChanged();
    updateUpDown();
}

// A press takes the focus to the tabs whenever they can take it at all, as a click on a tab
// always did in skinned windows.
void TsCustomTabControl::takeFocus()
{
    if (tabBar()->focusPolicy() != Qt::NoFocus)
        tabBar()->setFocus(Qt::MouseFocusReason);
}

bool TsCustomTabControl::changeAllowed()
{
    bool allow = true;
    emit changing(allow);
    return allow;
}

// Whether the key, handed to the tab bar, would make another tab current: the arrows along the
// row go to the next tab that can be chosen, and stop at the ends.
bool TsCustomTabControl::keyChangesTab(const QKeyEvent* key) const
{
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
        return false;
    const int step = (key->key() == Qt::Key_Left) != isRightToLeft() ? -1 : 1;
    for (int index = currentIndex() + step; index >= 0 && index < count(); index += step)
        if (isTabEnabled(index) && isTabVisible(index))
            return true;
    return false;
}

bool TsCustomTabControl::pressTab(QPoint point)
{
    const int index = tabAt(point);
    if (index >= 0 && index != currentIndex() && isTabEnabled(index)) {
        if (!changeAllowed())
            return true;
        takeFocus();
        setCurrentIndex(index);
        return true;
    }
    takeFocus();
    return true;
}

bool TsCustomTabControl::eventFilter(QObject* watched, QEvent* event)
{
    // The page is asked before it changes however it is changed, skin or none.
    if (watched == tabBar() && event->type() == QEvent::KeyPress && keyChangesTab(static_cast<QKeyEvent*>(event))
        && !changeAllowed())
        return true;
    if (!skinPaints()) {
        if (watched != tabBar()
            || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick))
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = tabBar()->tabAt(mouse->position().toPoint());
        return mouse->button() == Qt::LeftButton && index >= 0 && index != currentIndex() && isTabEnabled(index)
               && !changeAllowed();
    }
    if (watched != tabBar()) {
        // The platform's arrows, under the skinned up-down.
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: return true;
        default: return false;
        }
    }
    switch (event->type()) {
    case QEvent::Paint:
        // Whatever the platform wants to show anew (a caption, a scrolled row) comes from the cache.
        if (m_paintedLook != currentLook())
            markChanged();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !isEnabled())
            return false;
        return pressTab(tabBar()->mapTo(this, mouse->position().toPoint()));
    }
    case QEvent::MouseMove:
    case QEvent::Leave: {
        const int hot = event->type() == QEvent::MouseMove && isEnabled()
                            ? tabAt(tabBar()->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()))
                            : -1;
        if (hot != m_hotTab) {
            m_hotTab = hot;
            markChanged();
        }
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: markChanged(); return false;
    default: return false;
    }
}

bool TsCustomTabControl::event(QEvent* event)
{
    switch (skinMessageOf(event)) {
    case SKM_GETCACHE:
        // Whoever asks gets the picture as it stands now.
        if (skinPaints())
            skinImage();
        return Skinned::event(event);
    case SKM_SETNEWSKIN:
    case SKM_REMOVESKIN:
    case SKM_REPAINT:
        Skinned::event(event);
        m_lookedUpName.clear();
        m_hotTab = -1;
        markChanged();
        updateUpDown();
        return true;
    case SKM_REPAINTCHILD:
        if (skinPaints())
            update();
        return true;
    default: break;
    }
    switch (event->type()) {
    // The strip shows the parent's picture at the control's place, which a move changes.
    case QEvent::Move:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange: markChanged(); break;
    case QEvent::LayoutRequest: {
        // The strip is sized anew once the tabs were measured anew: only then is it known whether
        // they all fit.
        const bool answered = Skinned::event(event);
        updateUpDown();
        return answered;
    }
    default: break;
    }
    return Skinned::event(event);
}

void TsCustomTabControl::selectNextTab(bool forward)
{
    const int tabs = count();
    for (int step = 1; step < tabs; ++step) {
        const int index = ((currentIndex() + (forward ? step : -step)) % tabs + tabs) % tabs;
        if (isTabEnabled(index) && isTabVisible(index)) {
            if (changeAllowed())
                setCurrentIndex(index);
            return;
        }
    }
}

// --- Scrolling the tabs -----------------------------------------------------------------------

// Tabs ending at the control's left edge or beyond the room the up-down leaves at the right; with
// `leftOnly`, those scrolled out at the left.
int TsCustomTabControl::tabsOutside(int upDownWidth, bool leftOnly) const
{
    int outside = 0;
    for (int index = 0; index < count(); ++index) {
        const QRect rect = platformTabRect(index);
        if (rect.isEmpty())
            continue;
        const int right = rect.x() + rect.width();
        if (right <= metrics::tabControl::scrolledOutEdge
            || (!leftOnly && right > width() - metrics::tabControl::rightMargin - upDownWidth))
            ++outside;
    }
    return outside;
}

void TsCustomTabControl::updateUpDown()
{
    const bool across = tabPosition() == North || tabPosition() == South;
    const QSize size(2 * metrics::scrollArrowSize, metrics::scrollArrowSize);
    const int outside = skinPaints() && across ? tabsOutside(m_upDown ? size.width() : 0, false) : 0;
    if (outside == 0) {
        delete m_upDown;
        return;
    }
    if (!m_upDown) {
        m_upDown = new TsUpDown(this);
        // Screen readers meet the tab bar's own arrows, which still scroll the tabs.
        hideFromScreenReaders(m_upDown);
        m_upDown->setObjectName(QStringLiteral("tabScroller"));
        m_upDown->setAccessibleName(tr("Scroll tabs"));
        m_upDown->setShowInaccessibility(false);
        connect(m_upDown, &QAbstractSlider::valueChanged, this, &TsCustomTabControl::scrollTabsTo);
    }
    m_scrolling = true;
    m_upDown->setRange(0, outside);
    m_upDown->setValue(tabsOutside(size.width(), true));
    m_scrolling = false;
    m_upDown->setGeometry(
        QRect(QPoint(width() - size.width(), tabPosition() == North ? 0 : height() - size.height()), size));
    m_upDown->show();
    m_upDown->raise();
}

QToolButton* TsCustomTabControl::platformArrow(Qt::ArrowType arrow) const
{
    for (QToolButton* button : tabBar()->findChildren<QToolButton*>())
        if (button->arrowType() == arrow)
            return button;
    return nullptr;
}

// The platform scrolls its row a tab at a time; its hidden arrows are pressed until as many tabs
// are out at the left as the up-down says.
void TsCustomTabControl::scrollTabsTo(int position)
{
    if (m_scrolling || !m_upDown)
        return;
    const int upDownWidth = m_upDown->width();
    QToolButton* forward = platformArrow(Qt::RightArrow);
    QToolButton* back = platformArrow(Qt::LeftArrow);
    for (int guard = count(); guard > 0 && forward && tabsOutside(upDownWidth, true) < position; --guard)
        forward->click();
    for (int guard = count(); guard > 0 && back && tabsOutside(upDownWidth, true) > position; --guard)
        back->click();
    markChanged();
}
