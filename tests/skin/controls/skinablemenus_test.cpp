#include "skin/controls/menuitemdrawhandler.h"
#include "skin/controls/tsskinablemenus.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmenuhook.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/metrics.h"
#include "platform/programfolder.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A main manager with the menu skinner, holding the internal skin but not yet applying it, so
// that each test can build its menus first, as the program's windows are built before the skin.
class SkinnedMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        setProgramFolderOverride(folder.path());
        putSkinInForce(nullptr);
        skinData().ready = false;
        setSkinMenuHookFactory([](TsSkinManager* owner) { return std::make_unique<TsSkinableMenus>(owner); });
        manager = std::make_unique<TsSkinManager>(nullptr);
        setSkinMenuHookFactory({});
        skinner = static_cast<TsSkinableMenus*>(manager->menuSkinner());
        manager->setInternalSkins({ferroluxSkin()});
    }

    void TearDown() override
    {
        manager.reset();
        setProgramFolderOverride(QString());
    }

    void applySkin() { manager->setSkinName(ferroluxSkinName); }

    static QImage picture(QWidget& widget)
    {
        widget.resize(widget.sizeHint());
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir folder;
    std::unique_ptr<TsSkinManager> manager;
    TsSkinableMenus* skinner = nullptr;
};

// The columns where two pictures of one size differ, as [first, last]; {-1, -1} when none.
std::pair<int, int> differingColumns(const QImage& a, const QImage& b)
{
    std::pair<int, int> columns{-1, -1};
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            columns.first = columns.first < 0 ? x : std::min(columns.first, x);
            columns.second = std::max(columns.second, x);
        }
    }
    return columns;
}

TEST_F(SkinnedMenus, DividerIsTwoPixelsHigh)
{
    QMenu menu;
    menu.addAction(QStringLiteral("Открыть"));
    QAction* separator = menu.addSeparator();
    QAction* dash = menu.addAction(QStringLiteral("-"));
    applySkin();
    picture(menu);
    EXPECT_EQ(menu.actionGeometry(separator).height(), 2);
    EXPECT_EQ(menu.actionGeometry(dash).height(), 2);
}

struct DividerCase {
    int borderWidth;
    int margin;
};

class DividerLine : public SkinnedMenus, public ::testing::WithParamInterface<DividerCase> {};

// A divider draws its edge line, inset by the border and the margin, and nothing else.
TEST_P(DividerLine, ShowsOnlyTheEdgeLine)
{
    const auto [borderWidth, margin] = GetParam();
    skinner->BorderWidth = borderWidth;
    skinner->Margin = margin;
    const QRgb untouched = qRgb(12, 34, 56);
    QImage canvas(40, 6, QImage::Format_RGB32);
    canvas.fill(untouched);
    {
        QPainter painter(&canvas);
        skinner->drawDivider(painter, QRect(0, 2, 40, 2));
    }
    const int inset = borderWidth + margin;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            QRgb expected = untouched;
            if (x >= inset && x < 40 - inset && y == 2)
                expected = qRgb(0x80, 0x80, 0x80);
            else if (x >= inset && x < 40 - inset && y == 3)
                expected = qRgb(0xFF, 0xFF, 0xFF);
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Insets, DividerLine, ::testing::Values(DividerCase{0, 4}, DividerCase{2, 3}));

struct CaptionCase {
    const char* name;
    QString caption;
    QString shortcut;
    bool onTheRight;
};

class PopupCaption : public SkinnedMenus, public ::testing::WithParamInterface<CaptionCase> {};

// Where an item's text lands: found as the columns that differ from the same item without text.
TEST_P(PopupCaption, LandsOnItsSide)
{
    const CaptionCase& c = GetParam();
    QMenu menu;
    menu.setMinimumWidth(300);
    QAction* item = menu.addAction(QString());
    applySkin();
    const QImage blank = picture(menu);
    item->setText(c.caption);
    item->setShortcut(QKeySequence(c.shortcut));
    const QImage written = picture(menu);
    ASSERT_EQ(blank.size(), written.size());
    const auto [first, last] = differingColumns(blank, written);
    ASSERT_GE(first, 0) << "nothing written";
    if (c.onTheRight) {
        EXPECT_GT(first, written.width() / 2);
        EXPECT_LE(last, written.width() - 8);
    } else {
        EXPECT_LT(last, written.width() / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Captions, PopupCaption,
                         ::testing::Values(CaptionCase{"plain", QStringLiteral("Abc"), QString(), false},
                                           CaptionCase{"backspace", QStringLiteral("\bAbc"), QString(), true},
                                           CaptionCase{"shortcut", QString(), QStringLiteral("Ctrl+S"), true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct OwnDrawCase {
    const char* name;
    bool onTheBar;
    bool kept;
};

class OwnDrawing : public SkinnedMenus, public ::testing::WithParamInterface<OwnDrawCase> {};

// An item's own drawing is kept in a pop-up menu and replaced by the skin's on the menu bar.
TEST_P(OwnDrawing, IsKeptOnlyInPopups)
{
    const OwnDrawCase& c = GetParam();
    QMenuBar bar;
    QMenu popup;
    QAction* item = c.onTheBar ? bar.addAction(QStringLiteral("Файл")) : popup.addAction(QStringLiteral("Файл"));
    int calls = 0;
    setMenuItemDrawHandler(item, [&calls](QAction*, QPainter& canvas, const QRect& rect, QStyle::State) {
        ++calls;
        canvas.fillRect(rect, Qt::red);
    });
    applySkin();
    QWidget& menu = c.onTheBar ? static_cast<QWidget&>(bar) : popup;
    const QImage shown = picture(menu);
    const QRect place = c.onTheBar ? bar.actionGeometry(item) : popup.actionGeometry(item);
    EXPECT_EQ(calls > 0, c.kept);
    EXPECT_EQ(bool(menuItemDrawHandler(item)), c.kept);
    EXPECT_EQ(shown.pixel(place.center()) == qRgb(255, 0, 0), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Places, OwnDrawing,
                         ::testing::Values(OwnDrawCase{"popup", false, true}, OwnDrawCase{"bar", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Without skinned pop-ups a pop-up looks exactly as it does without a skin, while the bar takes
// the skin; switching pop-ups on skins it too.
TEST_F(SkinnedMenus, PopupsStayNativeWhileSkinnedPopupsIsOff)
{
    QMenuBar bar;
    bar.addAction(QStringLiteral("Файл"));
    QMenu* submenu = bar.addMenu(QStringLiteral("УМКД"));
    submenu->addAction(QStringLiteral("План"));
    submenu->addSeparator();
    submenu->addAction(QStringLiteral("Вопросы"));
    const QImage nativeBar = picture(bar);
    const QImage nativePopup = picture(*submenu);

    manager->setSkinnedPopups(false);
    applySkin();
    EXPECT_EQ(picture(*submenu), nativePopup);
    EXPECT_NE(picture(bar), nativeBar);

    manager->setSkinnedPopups(true);
    EXPECT_NE(picture(*submenu), nativePopup);
}

// Removing the skin gives both kinds of menu back the look they had before it.
TEST_F(SkinnedMenus, RemovedSkinRestoresTheOwnLook)
{
    QMenuBar bar;
    bar.addAction(QStringLiteral("Файл"));
    QMenu* submenu = bar.addMenu(QStringLiteral("УМКД"));
    submenu->addAction(QStringLiteral("План"));
    const QImage nativeBar = picture(bar);
    const QImage nativePopup = picture(*submenu);
    applySkin();
    ASSERT_NE(picture(*submenu), nativePopup);
    manager->setActive(false);
    EXPECT_EQ(picture(bar), nativeBar);
    EXPECT_EQ(picture(*submenu), nativePopup);
}

struct HeightCase {
    const char* name;
    QString caption;
    int glyphSide; // 0: no glyph of its own
    bool onTheBar;
};

class ItemHeight : public SkinnedMenus, public ::testing::WithParamInterface<HeightCase> {};

// Items are a quarter line more than the menu font's line (or their glyph) plus the margins;
// bar items are one pixel less than the menu bar.
TEST_P(ItemHeight, FollowsTheFontAndGlyph)
{
    const HeightCase& c = GetParam();
    QMenuBar bar;
    QMenu popup;
    QWidget& menu = c.onTheBar ? static_cast<QWidget&>(bar) : popup;
    QAction* item = c.onTheBar ? bar.addAction(c.caption) : popup.addAction(c.caption);
    if (c.glyphSide > 0) {
        QPixmap glyph(c.glyphSide, c.glyphSide);
        glyph.fill(Qt::blue);
        item->setIcon(QIcon(glyph));
    }
    applySkin();
    picture(menu);
    const int line = divRoundEven(5 * QFontMetrics(menu.font()).height(), 4);
    const int margin = skinner->Margin;
    int expected = metrics::menuBarHeight - 1;
    if (!c.onTheBar)
        expected = std::max(line, c.glyphSide > 0 ? c.glyphSide : 16) + 2 * margin;
    const QRect place = c.onTheBar ? bar.actionGeometry(item) : popup.actionGeometry(item);
    EXPECT_EQ(place.height(), expected);
}

INSTANTIATE_TEST_SUITE_P(Items, ItemHeight,
                         ::testing::Values(HeightCase{"normal", QStringLiteral("План"), 0, false},
                                           HeightCase{"caption", QStringLiteral("-Раздел-"), 0, false},
                                           HeightCase{"tall_glyph", QStringLiteral("План"), 40, false},
                                           HeightCase{"bar", QStringLiteral("Лекции"), 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A checked item without a glyph gets a raised box at the margin, as large as a glyph.
TEST_F(SkinnedMenus, CheckedItemShowsARaisedBox)
{
    QMenu menu;
    QAction* item = menu.addAction(QStringLiteral("План"));
    item->setCheckable(true);
    applySkin();
    const QImage unchecked = picture(menu);
    item->setChecked(true);
    const QImage checked = picture(menu);
    const int margin = skinner->Margin;
    const int top = (menu.actionGeometry(item).height() - 16) / 2;
    EXPECT_EQ(differingColumns(unchecked, checked), std::make_pair(margin, margin + 15));
    EXPECT_EQ(checked.pixel(margin, top), qRgb(255, 255, 255));
    EXPECT_EQ(checked.pixel(margin + 15, top + 15), qRgb(0x80, 0x80, 0x80));
}

struct AfterDrawCase {
    const char* name;
    bool onTheBar;
    TsMenuItemType kind;
};

class AfterDrawing : public SkinnedMenus, public ::testing::WithParamInterface<AfterDrawCase> {};

// itemDrawn follows the skin's drawing of an item, told the item and its kind.
TEST_P(AfterDrawing, NamesTheItemAndItsKind)
{
    const AfterDrawCase& c = GetParam();
    QMenuBar bar;
    QMenu popup;
    QAction* item = c.onTheBar ? bar.addAction(QStringLiteral("Файл")) : popup.addAction(QStringLiteral("Файл"));
    QList<std::pair<QAction*, TsMenuItemType>> seen;
    QObject::connect(skinner, &TsSkinableMenus::itemDrawn,
                     [&seen](QAction* drawn, QPainter&, TsMenuItemType kind, QStyle::State, const QRect&) {
                         seen.append({drawn, kind});
                     });
    applySkin();
    picture(c.onTheBar ? static_cast<QWidget&>(bar) : popup);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), std::make_pair(item, c.kind));
}

INSTANTIATE_TEST_SUITE_P(Places, AfterDrawing,
                         ::testing::Values(AfterDrawCase{"popup", false, smNormal},
                                           AfterDrawCase{"bar", true, smTopLine}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BandCase {
    const char* name;
    QSize band; // the size of the form's band; empty: the form gives none
    bool shown;
};

class MenuBarBand : public SkinnedMenus, public ::testing::WithParamInterface<BandCase> {
protected:
    void TearDown() override
    {
        TsSkinableMenus::setMenuBarBackground({});
        SkinnedMenus::TearDown();
    }
};

// A bar is drawn over its form's band when the form has one that covers it, else over its own.
TEST_P(MenuBarBand, ShowsTheFormsBandWhenItCoversTheBar)
{
    const BandCase& c = GetParam();
    const QRgb bandColour = qRgb(30, 60, 90);
    QWidget form;
    auto* bar = new QMenuBar(&form);
    bar->addAction(QStringLiteral("Файл"));
    TsSkinableMenus::setMenuBarBackground([&](const QWidget* owner) {
        EXPECT_EQ(owner, &form);
        QImage band(c.band, QImage::Format_RGB32);
        band.fill(bandColour);
        return band;
    });
    applySkin();
    bar->resize(400, bar->sizeHint().height());
    const QImage shown = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(390, 5) == bandColour, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Bands, MenuBarBand,
                         ::testing::Values(BandCase{"covering", QSize(400, 40), true},
                                           BandCase{"too_narrow", QSize(200, 40), false},
                                           BandCase{"none", QSize(), false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A pop-up's background is painted once per skin: a new skin paints it anew.
TEST_F(SkinnedMenus, NewSkinRepaintsPopupBackground)
{
    QMenu menu;
    menu.addAction(QStringLiteral("План"));
    QAction* separator = menu.addSeparator();
    applySkin();
    const QPoint besideLine(1, menu.actionGeometry(separator).top());
    const QRgb before = picture(menu).pixel(besideLine);

    SkinTables recoloured = *skinInForce();
    TsGeneralData& popupSection = recoloured.sections[recoloured.FindSection(QStringLiteral("MAINMENU"))];
    popupSection.color = rgbColor(10, 200, 30);
    popupSection.gradientPercent = 0;
    popupSection.imagePercent = 0;
    popupSection.transparency = 0;
    putSkinInForce(std::move(recoloured));
    manager->BroadcastNewSkin();

    EXPECT_NE(before, qRgb(10, 200, 30));
    EXPECT_EQ(picture(menu).pixel(besideLine), qRgb(10, 200, 30));
}

// A window with a skinned menu bar, the keyboard in a text box.
class MenuBarKeys : public SkinnedMenus, public ::testing::WithParamInterface<Qt::Key> {};

// Alt or F10 takes the keyboard to the skinned bar's first item; the arrows move along it.
TEST_P(MenuBarKeys, OpenTheBarAndArrowsMove)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QMenuBar(&window);
    layout->setMenuBar(bar);
    QAction* first = bar->addAction(QStringLiteral("Лекции"));
    QAction* second = bar->addAction(QStringLiteral("Фото"));
    auto* edit = new QLineEdit(&window);
    layout->addWidget(edit);
    applySkin();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    const Qt::Key key = GetParam();
    QTest::keyClick(edit, key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
    EXPECT_EQ(bar->activeAction(), first);
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->activeAction(), second);
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuBarKeys, ::testing::Values(Qt::Key_Alt, Qt::Key_F10),
                         [](const auto& info) { return std::string(info.param == Qt::Key_Alt ? "Alt" : "F10"); });

// What a screen reader hears of a menu: each item's role and name.
QStringList heard(QWidget* menu)
{
    QStringList items;
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; whole && i < whole->childCount(); ++i)
        items << QString::number(whole->child(i)->role()) + QLatin1Char(' ') + whole->child(i)->text(QAccessible::Name);
    return items;
}

TEST_F(SkinnedMenus, ScreenReadersHearTheSameItems)
{
    QMenuBar bar;
    bar.addAction(QStringLiteral("Лекции"));
    QMenu* submenu = bar.addMenu(QStringLiteral("УМКД"));
    submenu->addAction(QStringLiteral("План"));
    submenu->addSeparator();
    const QStringList barBefore = heard(&bar);
    const QStringList popupBefore = heard(submenu);
    ASSERT_EQ(barBefore.size(), 2);
    ASSERT_EQ(popupBefore.size(), 2);
    applySkin();
    EXPECT_EQ(heard(&bar), barBefore);
    EXPECT_EQ(heard(submenu), popupBefore);
}

} // namespace
