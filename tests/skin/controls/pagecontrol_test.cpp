#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tsupdown.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"

#include "platform/form.h"
#include "tests/skin/controls/internalskinfixture.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A 400 x 300 page control with three pages under the internal skin, on a window without a frame
// provider.
class PageControlTest : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window = std::make_unique<Form>(QStringLiteral("PagesForm"), QStringLiteral("Страницы"), QRect(0, 0, 420, 320));
        pages = new TsPageControl(window->client());
        pages->setGeometry(10, 10, 400, 300);
        for (const char* caption : {"Лекции", "Тесты", "Фото"}) {
            auto* page = new TsTabSheet(pages);
            pages->addTab(page, QString::fromUtf8(caption));
            sheets.append(page);
        }
        QObject::connect(pages, &QTabWidget::currentChanged, [this](int index) { changes.append(index); });
        window->show();
    }

    void TearDown() override
    {
        window.reset();
        InternalSkinFixture::TearDown();
    }

    void press(int index)
    {
        QTabBar* bar = pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    std::unique_ptr<Form> window;
    TsPageControl* pages = nullptr;
    QList<TsTabSheet*> sheets;
    QList<int> changes;
};

struct SideCase {
    const char* name;
    QTabWidget::TabPosition side;
    const char* section;
};

class PageControlSides : public PageControlTest, public ::testing::WithParamInterface<SideCase> {};

// Each side wears its own section; the current tab reaches into the display area so that it joins
// its page, and overlaps the neighbour it is drawn over.
TEST_P(PageControlSides, SectionAndTabPlaces)
{
    const SideCase& c = GetParam();
    pages->setTabPosition(c.side);
    pages->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(pages->positionSectionName(), QString::fromLatin1(c.section));
    EXPECT_EQ(pages->positionSection(), skinInForce()->FindSection(QString::fromLatin1(c.section)));
    EXPECT_TRUE(pages->skinPaints());
    const QRect current = pages->tabDrawRect(1);
    EXPECT_TRUE(current.intersects(pages->displayRect()));
    EXPECT_TRUE(current.intersects(pages->tabDrawRect(0)));
    EXPECT_TRUE(current.intersects(pages->tabDrawRect(2)));
    EXPECT_NE(pages->displayRect(), pages->rect());
}

INSTANTIATE_TEST_SUITE_P(Table, PageControlSides,
                         ::testing::Values(SideCase{"top", QTabWidget::North, "PAGECONTROL"},
                                           SideCase{"bottom", QTabWidget::South, "PAGECONTROLBOTTOM"},
                                           SideCase{"left", QTabWidget::West, "PAGECONTROLLEFT"},
                                           SideCase{"right", QTabWidget::East, "PAGECONTROLRIGHT"}),
                         CaseName());

// A skin without the section of the tab side leaves the control to the platform.
TEST_F(PageControlTest, MissingSideSectionLeavesThePlatformPainting)
{
    SkinTables skin = *skinInForce();
    skin.sections[skinInForce()->FindSection(QStringLiteral("PAGECONTROLBOTTOM"))].sectionName =
        QStringLiteral("UNUSED");
    putSkinInForce(skin);
    sendSkinMessage(pages, SKM_SETNEWSKIN);
    sendSkinMessage(pages, SKM_REPAINT);
    EXPECT_TRUE(pages->skinPaints());
    pages->setTabPosition(QTabWidget::South);
    EXPECT_FALSE(pages->skinPaints());
}

TEST_F(PageControlTest, WithoutTabsOnlyTheSectionIsPainted)
{
    TsPageControl empty(window->client());
    empty.setGeometry(5, 5, 200, 120);
    QImage expected(empty.size(), QImage::Format_BGR888);
    const int section = skinInForce()->FindSection(QStringLiteral("PAGECONTROL"));
    paintWholeItem(*skinInForce(), expected, SectionPaint{section, QStringLiteral("PAGECONTROL"), {}, empty.pos()});
    EXPECT_EQ(empty.displayRect(), empty.rect());
    EXPECT_EQ(empty.skinImage(), expected);
}

// The tabs other than the current one come first, then the current one over them.
TEST_F(PageControlTest, CurrentTabIsDrawnLast)
{
    QList<int> drawn;
    pages->OwnerDraw = true;
    QObject::connect(pages, &TsPageControl::ownerDrawTab, [&](QPainter&, int index, const QRect&, bool current) {
        drawn.append(index);
        EXPECT_EQ(current, index == 1);
    });
    pages->setCurrentIndex(1);
    pages->skinImage();
    EXPECT_EQ(drawn, QList<int>({0, 2, 1}));
}

// A page shows its page control's picture at its place, and hands it on to the controls on it.
TEST_F(PageControlTest, PageShowsThePageControlsPicture)
{
    const QImage whole = pages->skinImage().copy();
    const QRect place(sheets[0]->mapTo(pages, QPoint(0, 0)), sheets[0]->size());
    EXPECT_EQ(sheets[0]->grab().toImage().convertToFormat(QImage::Format_BGR888), whole.copy(place));
    SkinProbe child(sheets[0], ControlKind::Edit);
    child.move(7, 9);
    const TsCacheInfo cache = child.skin.parentCache();
    ASSERT_TRUE(cache.ready);
    EXPECT_EQ(cache.bitmap, &pages->SkinData.cache());
    EXPECT_EQ(QPoint(cache.x, cache.y), place.topLeft());
}

// The tab under the pointer is drawn hot until the pointer leaves the tabs.
TEST_F(PageControlTest, PointerOverATabMakesItHot)
{
    const QImage before = pages->skinImage().copy();
    const QRect tab = pages->tabDrawRect(2);
    QTabBar* bar = pages->tabBar();
    const QPointF at = bar->tabRect(2).center();
    QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    EXPECT_EQ(pages->hotTab(), 2);
    EXPECT_NE(pages->skinImage().copy(tab), before.copy(tab));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar, &leave);
    EXPECT_EQ(pages->hotTab(), -1);
    EXPECT_EQ(pages->skinImage(), before);
}

struct ClickCase {
    const char* name;
    int clicked;
    bool allow;
    int changingCalls;
    QList<int> changes;
};

class PageControlClicks : public PageControlTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(PageControlClicks, OnlyAnAllowedOtherTabChanges)
{
    const ClickCase& c = GetParam();
    int changing = 0;
    QObject::connect(pages, &TsPageControl::changing, [&](bool& allow) {
        ++changing;
        allow = c.allow;
    });
    press(c.clicked);
    EXPECT_EQ(changing, c.changingCalls);
    EXPECT_EQ(changes, c.changes);
}

INSTANTIATE_TEST_SUITE_P(Table, PageControlClicks,
                         ::testing::Values(ClickCase{"current_tab_fires_nothing", 0, true, 0, {}},
                                           ClickCase{"other_tab_changes_once", 2, true, 1, {2}},
                                           ClickCase{"refused_change_keeps_the_tab", 2, false, 1, {}}),
                         CaseName());

struct KeyCase {
    const char* name;
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
};

class PageControlKeys : public PageControlTest, public ::testing::WithParamInterface<KeyCase> {};

// From a control on a page, as from the tabs; a disabled tab is passed over, the ends wrap.
TEST_P(PageControlKeys, CtrlTabSwitchesPages)
{
    const KeyCase& c = GetParam();
    pages->setCurrentIndex(c.from);
    pages->addTab(new TsTabSheet(pages), QStringLiteral("Закрыто"));
    pages->setTabEnabled(3, false);
    auto* edit = new QLineEdit(sheets[c.from]);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    edit->setFocus();
    QTest::keyClick(edit, c.key, c.modifiers);
    EXPECT_EQ(pages->currentIndex(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageControlKeys,
    ::testing::Values(KeyCase{"next", 0, Qt::Key_Tab, Qt::ControlModifier, 1},
                      KeyCase{"next_skips_disabled_and_wraps", 2, Qt::Key_Tab, Qt::ControlModifier, 0},
                      KeyCase{"previous", 1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
                      KeyCase{"previous_from_first_wraps", 0, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier,
                              2}),
    CaseName());

enum class Way { CtrlTab, ArrowOnTheTabs, ClickWithoutSkin };

struct ChangeCase {
    const char* name;
    Way way;
    Qt::Key key;
    int from;
    int to; // the page reached when the change is allowed; `from` when none is due
};

class PageControlChanges : public PageControlTest, public ::testing::WithParamInterface<ChangeCase> {};

// However the page is changed, changing is asked first and can keep it; where no other page is
// due (an arrow at the end of the row) it is not asked at all.
TEST_P(PageControlChanges, EveryWayToAnotherPageAsksFirst)
{
    const ChangeCase& c = GetParam();
    for (const bool allow : {false, true}) {
        SCOPED_TRACE(allow);
        manager->setActive(c.way != Way::ClickWithoutSkin);
        pages->setCurrentIndex(c.from);
        changes.clear();
        int asked = 0;
        QObject askedHere;
        QObject::connect(pages, &TsPageControl::changing, &askedHere, [&](bool& allowChange) {
            ++asked;
            allowChange = allow;
        });
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        switch (c.way) {
        case Way::CtrlTab: {
            auto* edit = new QLineEdit(sheets[c.from]);
            edit->show();
            edit->setFocus();
            QTest::keyClick(edit, c.key, Qt::ControlModifier);
            delete edit;
            break;
        }
        case Way::ArrowOnTheTabs:
            pages->tabBar()->setFocus();
            QTest::keyClick(pages->tabBar(), c.key);
            break;
        case Way::ClickWithoutSkin: press(c.to); break;
        }
        const bool due = c.to != c.from;
        EXPECT_EQ(asked, due ? 1 : 0);
        EXPECT_EQ(pages->currentIndex(), allow ? c.to : c.from);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageControlChanges,
    ::testing::Values(ChangeCase{"ctrl_tab", Way::CtrlTab, Qt::Key_Tab, 0, 1},
                      ChangeCase{"right_arrow", Way::ArrowOnTheTabs, Qt::Key_Right, 0, 1},
                      ChangeCase{"left_arrow", Way::ArrowOnTheTabs, Qt::Key_Left, 2, 1},
                      ChangeCase{"left_arrow_at_the_first_tab", Way::ArrowOnTheTabs, Qt::Key_Left, 0, 0},
                      ChangeCase{"click_without_a_skin", Way::ClickWithoutSkin, Qt::Key_unknown, 0, 2}),
    CaseName());

// A parent whose skin picture changes colour along its width and ends before the page control
// on it does, as a window's picture ends where a control is scrolled half out of it.
class PicturedParent : public QWidget {
public:
    static constexpr QRgb beyond = 0xFF0AC81E;

    PicturedParent() : picture(300, 100, QImage::Format_BGR888)
    {
        for (int x = 0; x < picture.width(); ++x)
            for (int y = 0; y < picture.height(); ++y)
                picture.setPixel(x, y, qRgb(x % 256, 40 + x / 256 * 100, 200));
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(beyond));
        setPalette(palette);
        resize(600, 320);
    }

    QImage picture;

protected:
    bool event(QEvent* event) override
    {
        if (skinMessageOf(event) == SKM_GETCACHE) {
            static_cast<SkinMessageEvent*>(event)->cache = {&picture, 0, 0, true};
            return true;
        }
        return QWidget::event(event);
    }
};

// The tab strip shows the parent's picture at the control's place, wherever the control is moved,
// and the parent's colour where the picture ends.
TEST_F(PageControlTest, TabStripFollowsTheParentsPictureAsTheControlMoves)
{
    PicturedParent parent;
    auto* moving = new TsPageControl(&parent);
    moving->setGeometry(0, 0, 400, 300);
    moving->addTab(new TsTabSheet(moving), QStringLiteral("Лекции"));
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const QPoint inStrip(280, 2);
    ASSERT_GT(inStrip.x(), moving->tabDrawRect(0).right());
    EXPECT_EQ(moving->skinImage().pixel(inStrip) | 0xFF000000, parent.picture.pixel(inStrip));
    moving->move(12, 0);
    EXPECT_EQ(moving->skinImage().pixel(inStrip) | 0xFF000000, parent.picture.pixel(inStrip + QPoint(12, 0)));
    EXPECT_EQ(moving->skinImage().pixel(QPoint(350, 2)) | 0xFF000000, PicturedParent::beyond)
        << "beyond the parent's picture";
}

// Tabs that do not fit scroll with the skinned up-down, a tab at a time; room for them all, or the
// end of the skin, takes it away again.
TEST_F(PageControlTest, TabsThatDoNotFitScrollWithTheUpDown)
{
    for (int extra = 0; extra < 5; ++extra)
        pages->addTab(new TsTabSheet(pages), QStringLiteral("Результаты тестирования %1").arg(extra));
    TsUpDown* scroller = pages->upDown();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->maximum(), 0);
    EXPECT_EQ(scroller->value(), 0);
    EXPECT_EQ(scroller->geometry().topRight(), QPoint(pages->width() - 1, 0));
    const int firstRight = pages->platformTabRect(0).right();
    scroller->setValue(2);
    EXPECT_LT(pages->platformTabRect(1).right(), 4);
    EXPECT_GT(pages->platformTabRect(2).right(), 4);
    EXPECT_LT(pages->platformTabRect(0).right(), firstRight);
    pages->resize(4000, 300);
    EXPECT_EQ(pages->upDown(), nullptr);
    pages->resize(400, 300);
    ASSERT_NE(pages->upDown(), nullptr);
    manager->setActive(false);
    EXPECT_EQ(pages->upDown(), nullptr);
    EXPECT_FALSE(pages->skinPaints());
}

TEST_F(PageControlTest, TabBarKeepsItsAccessibleRolesAndNames)
{
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(pages->tabBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::PageTabList);
    ASSERT_EQ(bar->childCount(), 3 + 2); // the tabs and the platform's two scroll arrows
    EXPECT_EQ(bar->child(1)->role(), QAccessible::PageTab);
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), QStringLiteral("Тесты"));
}

struct TabSizeCase {
    const char* name;
    QTabWidget::TabPosition side;
    int tabWidth;
    int tabHeight;
    QSize expected; // of every tab on the screen; a 0 takes the caption's size
    bool scrolls;
};

class PageControlTabSizes : public PageControlTest, public ::testing::WithParamInterface<TabSizeCase> {};

// A non-zero TabWidth or TabHeight gives every tab that size along or across its caption, the strip
// and the up-down following; back at 0 the captions size the tabs again.
TEST_P(PageControlTabSizes, FixedSizesOrCaptionSizes)
{
    const TabSizeCase& c = GetParam();
    pages->setTabPosition(c.side);
    QCoreApplication::processEvents();
    QList<QSize> byCaption;
    for (int index = 0; index < pages->count(); ++index)
        byCaption.append(pages->tabBar()->tabRect(index).size());
    pages->setTabWidth(c.tabWidth);
    pages->setTabHeight(c.tabHeight);
    QCoreApplication::processEvents();
    for (int index = 0; index < pages->count(); ++index) {
        const QSize size = pages->tabBar()->tabRect(index).size();
        EXPECT_EQ(size.width(), c.expected.width() ? c.expected.width() : byCaption[index].width()) << index;
        EXPECT_EQ(size.height(), c.expected.height() ? c.expected.height() : byCaption[index].height()) << index;
    }
    const bool across = c.side == QTabWidget::North || c.side == QTabWidget::South;
    EXPECT_EQ(across ? pages->tabBar()->height() : pages->tabBar()->width(),
              across ? pages->tabBar()->tabRect(0).height() : pages->tabBar()->tabRect(0).width());
    EXPECT_EQ(pages->upDown() != nullptr, c.scrolls);

    pages->setTabWidth(0);
    pages->setTabHeight(0);
    QCoreApplication::processEvents();
    for (int index = 0; index < pages->count(); ++index)
        EXPECT_EQ(pages->tabBar()->tabRect(index).size(), byCaption[index]) << index;
    EXPECT_EQ(pages->upDown(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, PageControlTabSizes,
                         ::testing::Values(TabSizeCase{"width_on_top", QTabWidget::North, 150, 0, {150, 0}, true},
                                           TabSizeCase{"height_on_top", QTabWidget::North, 0, 30, {0, 30}, false},
                                           TabSizeCase{"both_at_bottom", QTabWidget::South, 60, 26, {60, 26}, false},
                                           TabSizeCase{"both_on_the_left", QTabWidget::West, 90, 30, {30, 90}, false}),
                         CaseName());

} // namespace
