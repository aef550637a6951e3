#include "skin/controls/tspagecontrol.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"
#include "teacher/tform10.h"
#include "tools/tour/tour.h"

#include <QTabBar>
#include <QTest>

namespace {

QPoint tabCentre(TsPageControl* pages, int index)
{
    return pages->tabBar()->tabRect(index).center();
}

void shootTabs(const QString& skin)
{
    TsPageControl* pages = Form10->sPageControl1;
    for (int index = 0; index < pages->count(); ++index) {
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, tabCentre(pages, index));
        Tour::settle(100);
        Tour::shoot(Form10, QStringLiteral("pages-%1-tab-%2").arg(skin).arg(index + 1));
    }
    // The last click left the tab bar focused; the pointer rests over another tab.
    QTest::mouseMove(pages->tabBar(), tabCentre(pages, 1));
    Tour::settle(100);
    Tour::shoot(Form10, QStringLiteral("pages-%1-focused-pointer-over-tab").arg(skin));
}

} // namespace

// The material editor's page control: every tab chosen with the mouse, in both skins, and a
// window too narrow for its tabs, which scroll with the skinned up-down.
void tourlegs::pageControl()
{
    Form10->show();
    Tour::settle();
    shootTabs(QStringLiteral("internal"));
    Form10->sPageControl1->setCurrentIndex(0);
    const QSize designed = Form10->size();
    Form10->resize(designed.width() / 2, designed.height());
    Tour::settle();
    Tour::shoot(Form10, QStringLiteral("pages-narrow"));
    if (TsUpDown* scroller = Form10->sPageControl1->upDown()) {
        scroller->setValue(scroller->maximum());
        Tour::settle(100);
        Tour::shoot(Form10, QStringLiteral("pages-narrow-scrolled"));
    }
    Form10->resize(designed);
    TsSkinManager* manager = skinData().mainManager;
    const QString skin = manager->SkinName();
    manager->setSkinName(QStringLiteral("Amberlight"));
    Tour::settle();
    shootTabs(QStringLiteral("example"));
    manager->setSkinName(skin);
    Form10->close();
}
