#pragma once

#include "skin/controls/skinned.h"
#include "skin/controls/tsupdown.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QTabWidget>

class FixedSizeTabBar;
class QKeyEvent;
class QPainter;
class QToolButton;

// Tabs over a display area. While a skin is in force the control paints itself wholly from the
// skin into its cache: the tab strip over its parent's background, the display area as its
// section (suffixed by the tab side: "PAGECONTROL", "PAGECONTROLBOTTOM", ...), the tabs as the
// skin's tab sections with the current tab drawn last so that it overlaps its neighbours. The
// platform's tab bar stays underneath for the tab geometry, the keyboard and screen readers, but
// paints nothing; tabs that do not fit scroll with a skinned up-down instead of the platform's
// arrows. Without the suffixed section the platform paints the control.
class TsCustomTabControl : public Skinned<TsCustomTabControl, QTabWidget, ControlKind::TabControl> {
    Q_OBJECT

public:
    explicit TsCustomTabControl(QWidget* parent = nullptr);

    // On, each tab's caption and focus mark are left to ownerDrawTab.
    bool OwnerDraw = false;

    // Every tab's size along and across its caption when non-zero; 0 sizes the tabs by their
    // captions.
    int TabWidth() const;
    void setTabWidth(int width);
    int TabHeight() const;
    void setTabHeight(int height);

    // The section the display area wears for the tab side, and its index (-1 when the skin has
    // none, so that the platform paints).
    QString positionSectionName() const;
    int positionSection() const;
    bool skinPaints() const;

    // The tab's rectangle as the platform lays it out, in the control's coordinates, and as the
    // skin draws it.
    QRect platformTabRect(int index) const;
    QRect tabDrawRect(int index) const;
    // The tab under `point` (control coordinates), -1 when none.
    int tabAt(QPoint point) const;
    // The tab under the pointer, -1 when none.
    int hotTab() const { return m_hotTab; }
    // The rectangle the section is painted over with its borders: the control without the strip
    // the tabs stand in.
    QRect displayRect() const;

    // The picture the skin paints, rebuilt first when stale.
    const QImage& skinImage();
    // Present only while tabs overflow a single top or bottom row.
    TsUpDown* upDown() const { return m_upDown; }

    // Selects the next (or previous) enabled tab, wrapping around at the ends.
    void selectNextTab(bool forward);

signals:
    // While OwnerDraw is on: draw tab `index` in `rect` of the cache, over the skin's tab, in place
    // of its caption.
    void ownerDrawTab(QPainter& canvas, int index, const QRect& rect, bool current);
    // Asked before a click, Ctrl+Tab or an arrow key on the tabs selects another tab; clearing
    // `allow` keeps the current one. The answer comes back through the reference, so a receiver
    // is connected directly (as one on the control's own thread is by default).
    void changing(bool& allow);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    struct TabState {
        QRect rect;
        QString text;
        bool enabled = true;
        bool operator==(const TabState&) const = default;
    };
    struct Look {
        QList<TabState> tabs;
        int current = -1;
        bool focused = false;
        bool enabled = true;
        QRect strip;
        bool operator==(const Look&) const = default;
    };

    Look currentLook() const;
    void markChanged();
    void takeFocus();
    // Asks the receivers of changing whether the page may change.
    bool changeAllowed();
    bool keyChangesTab(const QKeyEvent* key) const;
    bool pressTab(QPoint point);
    void rebuildCache();
    ControlState tabState(int index) const;
    void drawTab(QImage& cache, int index, bool current);
    void drawCaption(QImage& cache, int index, const QRect& rect, bool current);
    void paintActivePage(QImage& cache);
    void updateUpDown();
    int tabsOutside(int upDownWidth, bool leftOnly) const;
    QToolButton* platformArrow(Qt::ArrowType arrow) const;
    void scrollTabsTo(int position);

    mutable QString m_lookedUpName;
    mutable int m_positionSection = -1;
    int m_hotTab = -1;
    Look m_paintedLook;
    FixedSizeTabBar* m_tabBar;
    QPointer<TsUpDown> m_upDown;
    bool m_scrolling = false;
};
