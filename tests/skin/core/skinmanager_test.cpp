#include "tests/skin/core/skinprobe.h"
#include "skin/core/skininforce.h"

#include "skin/core/ferroluxskin.h"
#include "skin/core/skinmenuhook.h"

#include "platform/apperror.h"

#include "platform/form.h"

#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include <memory>

namespace {

TsStoredSkin namedSkin(const QString& name)
{
    TsStoredSkin skin = ferroluxSkin();
    skin.Name = name;
    return skin;
}

using ManagerTest = SkinFixture;

TEST_F(ManagerTest, ResolvedSkinDirectory)
{
    TsSkinManager* manager = newManager();
    const QString program = programFolder();
    const struct {
        QString stored;
        QString resolved;
    } cases[] = {
        {QStringLiteral(".\\Skins"), program + QStringLiteral("Skins/")},
        {QStringLiteral("./Skins/"), program + QStringLiteral("Skins/")},
        {QStringLiteral("Skins"), program + QStringLiteral("Skins/")},
        {QStringLiteral("My Skins\\Old\\"), program + QStringLiteral("My Skins/Old/")},
        {QStringLiteral("/opt/skins"), QStringLiteral("/opt/skins/")},
        {QStringLiteral("/opt/skins/"), QStringLiteral("/opt/skins/")},
        {QStringLiteral("c:\\Skins"), QStringLiteral("c:/Skins/")},
        {QStringLiteral("d:"), QStringLiteral("d:/")},
        {QString(), program},
    };
    for (const auto& c : cases) {
        manager->setSkinDirectory(c.stored);
        EXPECT_EQ(manager->ResolvedSkinDirectory(), c.resolved) << qPrintable(c.stored);
    }
}

TEST_F(ManagerTest, OnlyTheFirstManagerIsMainAndGetsTheDefaults)
{
    TsSkinManager* main = newManager();
    TsSkinManager* second = newManager();
    EXPECT_TRUE(main->isMainManager());
    EXPECT_EQ(skinData().mainManager, main);
    EXPECT_TRUE(main->Active());
    EXPECT_TRUE(main->SkinnedPopups());
    EXPECT_EQ(main->SkinDirectory(), QStringLiteral(".\\Skins"));
    EXPECT_FALSE(second->isMainManager());
    EXPECT_FALSE(second->Active());
    EXPECT_TRUE(second->SkinDirectory().isEmpty());

    second->setInternalSkins({ferroluxSkin()});
    second->setActive(true);
    second->setSkinName(ferroluxSkinName);
    EXPECT_TRUE(skinInForce()->sections.isEmpty());
    EXPECT_FALSE(skinData().ready);

    managers.erase(managers.begin());
    EXPECT_EQ(skinData().mainManager, nullptr);
}

TEST_F(ManagerTest, ListSkinsSortsStoredSkinsAndFoldersIgnoringCase)
{
    TsSkinManager* manager = newManager();
    for (const char* folder : {"gamma", "Delta", ".hidden"})
        QDir(path(QStringLiteral("Skins"))).mkpath(QLatin1String(folder));
    writeFile(QStringLiteral("Skins/notafolder.txt"), "x");

    QStringList list{QStringLiteral("stale")};
    EXPECT_TRUE(QStringList({"gamma", "Delta"}).contains(manager->ListSkins(list)));
    EXPECT_EQ(list, QStringList({"Delta", "gamma"}));

    manager->setInternalSkins({namedSkin(QStringLiteral("beta")), namedSkin(QStringLiteral("Alpha"))});
    EXPECT_EQ(manager->ListSkins(list), QStringLiteral("beta"));
    EXPECT_EQ(list, QStringList({"Alpha", "beta", "Delta", "gamma"}));
}

TEST_F(ManagerTest, SkinDirectoryChangesTheFolderAtOnceButLoadsNothing)
{
    TsSkinManager* manager = newManager();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);
    SkinTables marked = *skinInForce();
    marked.skinFolder = QStringLiteral("marker");
    putSkinInForce(marked);
    manager->setSkinDirectory(manager->SkinDirectory());
    EXPECT_EQ(skinInForce()->skinFolder, QStringLiteral("marker"));

    manager->setSkinDirectory(QStringLiteral("/elsewhere"));
    EXPECT_EQ(skinInForce()->skinFolder, QStringLiteral("/elsewhere/"));
    EXPECT_EQ(skinInForce()->sections.size(), 53);
    EXPECT_TRUE(skinData().ready);
}

TEST_F(ManagerTest, AnUnknownOrEmptyNameFallsBackToTheFirstStoredSkin)
{
    TsSkinManager* manager = newManager();
    manager->setInternalSkins({namedSkin(QStringLiteral("First")), ferroluxSkin()});
    int before = 0;
    int after = 0;
    QObject::connect(manager, &TsSkinManager::beforeChange, [&](QObject* sender) {
        EXPECT_EQ(sender, manager);
        EXPECT_EQ(after, before);
        ++before;
    });
    QObject::connect(manager, &TsSkinManager::afterChange, [&](QObject*) {
        EXPECT_TRUE(skinData().ready);
        ++after;
    });

    manager->setSkinName(ferroluxSkinName);
    EXPECT_EQ(manager->SkinName(), ferroluxSkinName);
    manager->setSkinName(QStringLiteral("ferrolux (internal)"));
    EXPECT_EQ(manager->SkinName(), QStringLiteral("First"));
    manager->setSkinName(QString());
    EXPECT_EQ(manager->SkinName(), QStringLiteral("First"));
    EXPECT_TRUE(manager->SkinDirectory().isEmpty());
    EXPECT_EQ(skinInForce()->sections.size(), 53);
    EXPECT_EQ(before, 3);
    EXPECT_EQ(after, 3);
}

TEST_F(ManagerTest, WhileLoadingTheSkinIsChosenButAppliedOnlyByLoaded)
{
    TsSkinManager* manager = newManager();
    manager->beginLoading();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(QStringLiteral("nothing of that name"));
    manager->setActive(false);
    manager->setActive(true);
    EXPECT_EQ(manager->SkinName(), ferroluxSkinName);
    EXPECT_TRUE(skinInForce()->sections.isEmpty());
    manager->Loaded();
    EXPECT_EQ(skinInForce()->sections.size(), 53);
    EXPECT_TRUE(skinData().ready);
}

// The menu skinner hears of each skin put in force (once the controls have it and it is ready),
// each removal (once the skin is gone), of SkinnedPopups, and of menus that appear or go while a
// skin is in force (a menu from before the skin is not announced); a refused skin tells it nothing.
TEST_F(ManagerTest, TheMenuSkinnerHearsOfEverySkinChange)
{
    class RecordingHook : public SkinMenuHook {
    public:
        explicit RecordingHook(QStringList& heard) : m_heard(heard) {}
        void skinApplied() override { m_heard.append(skinData().ready ? "applied" : "applied unready"); }
        void skinRemoved() override { m_heard.append(skinInForce()->sections.isEmpty() ? "removed" : "removed early"); }
        void setPopupsSkinned(bool skinned) override { m_heard.append(skinned ? "popups" : "plain popups"); }
        void menuAdded(QWidget* menu) override { m_heard.append("added " + menu->objectName()); }
        void menuRemoved(QObject*) override { m_heard.append("removed a menu"); }

    private:
        QStringList& m_heard;
    };
    QStringList heard;
    setSkinMenuHookFactory([&](TsSkinManager*) { return std::make_unique<RecordingHook>(heard); });
    TsSkinManager* manager = newManager();
    TsSkinManager* second = newManager();
    setSkinMenuHookFactory({});
    EXPECT_NE(manager->menuSkinner(), nullptr);
    EXPECT_EQ(second->menuSkinner(), nullptr);

    manager->setInternalSkins({ferroluxSkin()});
    auto early = std::make_unique<QMenu>();
    early->ensurePolished();
    manager->setSkinName(ferroluxSkinName);
    auto popup = std::make_unique<QMenu>();
    popup->setObjectName(QStringLiteral("popup"));
    QMenuBar bar;
    bar.setObjectName(QStringLiteral("bar"));
    QWidget other;
    for (QWidget* widget : std::initializer_list<QWidget*>{popup.get(), &bar, &other})
        widget->ensurePolished();
    popup.reset();
    manager->setSkinnedPopups(false);
    manager->setSkinnedPopups(true);
    EXPECT_THROW(manager->setCommonSections({QStringLiteral("[BAD]"), QStringLiteral("BORDERSMASK=#(1,2,x,4)(1,0)")}),
                 AppError);
    manager->setActive(false);
    manager->setActive(true);
    managers.clear();
    EXPECT_EQ(heard, QStringList({"applied", "added popup", "added bar", "removed a menu", "plain popups", "popups",
                                  "removed", "applied", "removed"}));
}

// Forms are never shown here: the broadcast must reach them all the same.
TEST_F(ManagerTest, BroadcastsReachEveryControlOfHiddenFormsAndCreateTheirWindows)
{
    Form first(QStringLiteral("FormA"), QStringLiteral("A"), QRect(0, 0, 200, 150));
    Form second(QStringLiteral("FormB"), QStringLiteral("B"), QRect(0, 0, 200, 150));
    auto* button = new SkinProbe(first.client(), ControlKind::Button);
    auto* panel = new SkinProbe(second.client(), ControlKind::Panel);
    auto* nested = new SkinProbe(panel, ControlKind::Edit);
    EXPECT_EQ(button->skin.SkinSection(), QStringLiteral("BUTTON"));
    EXPECT_EQ(button->skin.skinIndex(), -1);
    EXPECT_FALSE(second.testAttribute(Qt::WA_WState_Created));

    TsSkinManager* manager = newManager();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);

    const QList<unsigned> announced{SKM_SETNEWSKIN, SKM_REPAINT};
    for (SkinProbe* probe : {button, panel, nested}) {
        EXPECT_EQ(probe->received, announced);
        EXPECT_FALSE(probe->skin.suspended());
    }
    // Qt controls are drawn into their form's window; the forms' windows now exist.
    EXPECT_TRUE(first.testAttribute(Qt::WA_WState_Created));
    EXPECT_TRUE(second.testAttribute(Qt::WA_WState_Created));
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(button->skin.skinIndex(), skinInForce()->FindSection(QStringLiteral("BUTTON")));
    EXPECT_EQ(button->skin.borderIndex(), skinInForce()->FindMask(button->skin.skinIndex(), QStringLiteral("BUTTON"),
                                                                  QStringLiteral("BORDERSMASK")));
    EXPECT_EQ(panel->skin.skinIndex(), skinInForce()->FindSection(QStringLiteral("PANEL")));
    EXPECT_EQ(nested->skin.skinIndex(), skinInForce()->FindSection(QStringLiteral("EDIT")));

    manager->setActive(false);
    EXPECT_EQ(nested->received.last(), SKM_REMOVESKIN);
    EXPECT_EQ(nested->skin.skinIndex(), -1);
    EXPECT_EQ(nested->skin.borderIndex(), -1);
    EXPECT_TRUE(nested->skin.suspended());
    EXPECT_EQ(nested->skin.cache().size(), QSize(0, 0));
    EXPECT_TRUE(skinInForce()->sections.isEmpty());
    EXPECT_FALSE(skinData().ready);

    // Controls made after a skin is ready find their section at once.
    manager->setActive(true);
    SkinProbe late(first.client(), ControlKind::RadioButton);
    EXPECT_EQ(late.skin.skinIndex(), skinInForce()->FindSection(QStringLiteral("RADIOBUTTON")));
}

// The form's frame provider sets the window flags when it hears of a skin; the broadcast must not
// make the window before that, or the window would be made twice and could show a native frame.
TEST_F(ManagerTest, AFormHearsOfTheSkinBeforeItsWindowIsMade)
{
    class FrameSetter : public QWidget {
    public:
        using QWidget::QWidget;
        QList<bool> windowExisted;

    protected:
        bool event(QEvent* event) override
        {
            if (skinMessageOf(event) == SKM_SETNEWSKIN) {
                windowExisted.append(window()->testAttribute(Qt::WA_WState_Created));
                window()->setWindowFlag(Qt::FramelessWindowHint);
            }
            return QWidget::event(event);
        }
    };
    Form form(QStringLiteral("FormA"), QStringLiteral("A"), QRect(0, 0, 200, 150));
    auto* setter = new FrameSetter(form.client());

    TsSkinManager* manager = newManager();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);

    EXPECT_EQ(setter->windowExisted, QList<bool>{false});
    ASSERT_TRUE(form.testAttribute(Qt::WA_WState_Created));
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_TRUE(form.windowHandle()->flags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(form.isVisible());
}

} // namespace
