#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "platform/metrics.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tssystemmenu.h"
#include "skin/core/ferroluxskin.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
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

} // namespace

// The main window's system menu opens from its title icon, with the skins to choose from.
void tourlegs::systemMenu()
{
    Form3->show();
    Tour::settle();
    TsSystemMenu* menu = Form3->sSkinProvider1->systemMenu();
    QTest::mouseClick(Form3, Qt::LeftButton, {}, QPoint(metrics::frameWidth + 4, metrics::captionHeight / 2));
    Tour::settle();
    Tour::shoot(menu, QStringLiteral("system-menu"));
    if (QAction* item = skinItem(menu)) {
        menu->setActiveAction(item);
        item->menu()->popup(menu->mapToGlobal(menu->actionGeometry(item).topRight()));
        Tour::shoot(item->menu(), QStringLiteral("system-menu-available-skins"));
        item->menu()->close();
    }
    menu->close();
}

// Choosing the example skin re-skins every window at once; the internal skin comes back the
// same way.
void tourlegs::exampleSkin()
{
    TsSystemMenu* menu = Form3->sSkinProvider1->systemMenu();
    menu->rebuildSkinItem();
    chooseSkin(menu, QStringLiteral("Amberlight"));
    Tour::shoot(Form3, QStringLiteral("main-window-example-skin"));
    // A window that was hidden when the skin changed wears the new one when it is shown:
    // every other window of the program, in turn.
    const std::pair<QWidget*, const char*> windows[] = {
        {Form1, "start-window-example-skin"}, {Form4, "registration-example-skin"}, {Form5, "answering-example-skin"},
        {Form6, "result-example-skin"},       {Form9, "login-example-skin"},        {Form10, "editor-example-skin"},
        {Form13, "multimedia-example-skin"},  {Form14, "photo-example-skin"}};
    for (const auto& [window, name] : windows) {
        const bool wasVisible = window->isVisible();
        window->show();
        Tour::shoot(window, QString::fromLatin1(name));
        if (!wasVisible)
            window->hide();
    }
    Form3->raise();
    menu->rebuildSkinItem();
    chooseSkin(menu, ferroluxSkinName);
    Tour::shoot(Form3, QStringLiteral("main-window-internal-skin-again"));
}
