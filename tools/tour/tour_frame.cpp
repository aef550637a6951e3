#include "app/tform3.h"
#include "platform/metrics.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tssystemmenu.h"
#include "skin/core/ferroluxskin.h"
#include "testing/tform4.h"
#include "tools/tour/tour.h"

#include <QAction>
#include <QTest>

namespace {

QAction* skinItem(TsSystemMenu* menu)
{
    return menu->findChild<QAction*>(QStringLiteral("SkinSelectItem"));
}

void chooseSkin(TsSystemMenu* menu, const QString& name)
{
    QAction* item = skinItem(menu);
    if (!item || !item->menu())
        return;
    for (QAction* skin : item->menu()->actions())
        if (skin->text() == name)
            skin->trigger();
}

// The main window's system menu opens from its title icon, with the skins to choose from.
TourRegistration systemMenu{80, QStringLiteral("system menu"), [] {
                                Form3->show();
                                Tour::settle();
                                TsSystemMenu* menu = Form3->sSkinProvider1->systemMenu();
                                QTest::mouseClick(Form3, Qt::LeftButton, {},
                                                  QPoint(metrics::frameWidth + 4, metrics::captionHeight / 2));
                                Tour::settle();
                                Tour::shoot(menu, QStringLiteral("system-menu"));
                                if (QAction* item = skinItem(menu)) {
                                    menu->setActiveAction(item);
                                    item->menu()->popup(menu->mapToGlobal(menu->actionGeometry(item).topRight()));
                                    Tour::shoot(item->menu(), QStringLiteral("system-menu-available-skins"));
                                    item->menu()->close();
                                }
                                menu->close();
                            }};

// Choosing the example skin re-skins every window at once; the internal skin comes back the
// same way.
TourRegistration exampleSkin{82, QStringLiteral("example skin"), [] {
                                 TsSystemMenu* menu = Form3->sSkinProvider1->systemMenu();
                                 menu->rebuildSkinItem();
                                 chooseSkin(menu, QStringLiteral("Amberlight"));
                                 Tour::shoot(Form3, QStringLiteral("main-window-example-skin"));
                                 // A window that was hidden when the skin changed wears the new one when it is shown.
                                 Form4->show();
                                 Tour::shoot(Form4, QStringLiteral("registration-example-skin"));
                                 Form4->close();
                                 menu->rebuildSkinItem();
                                 chooseSkin(menu, ferroluxSkinName);
                                 Tour::shoot(Form3, QStringLiteral("main-window-internal-skin-again"));
                             }};

} // namespace
