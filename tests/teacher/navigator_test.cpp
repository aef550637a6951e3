#include "data/connection.h"
#include "data/datasource.h"
#include "data/table.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/skinmessage.h"
#include "skin/core/tsskinmanager.h"
#include "teacher/tsdbnavigator.h"
#include "teacher/tsnavbutton.h"
#include "tests/skin/core/skinprobe.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"
#include "tests/support/casename.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const keys[TsDBNavigator::buttonCount] = {"FIRST",  "PRIOR", "NEXT", "LAST",   "INSERT",
                                                      "DELETE", "EDIT",  "POST", "CANCEL", "REFRESH"};

QString enabledButtons(const TsDBNavigator& navigator)
{
    QStringList enabled;
    for (int index = 0; index < TsDBNavigator::buttonCount; ++index)
        if (navigator.button(index)->isEnabled())
            enabled.append(QLatin1String(keys[index]));
    return enabled.join(u' ');
}

// A lecture table of its own, bound to a navigator as the editor binds its pages.
struct NavigatorBench {
    explicit NavigatorBench(const QStringList& topics, Connection::Mode mode = Connection::Mode::ReadWrite)
    {
        for (const QString& topic : topics)
            course.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('%1', '%1.htm')").arg(topic));
        connection.open(course.databasePath(), mode);
        table = std::make_unique<Table>(&connection, QStringLiteral("ADOTable3"), QStringLiteral("Lekcia"), nullptr);
        source = std::make_unique<DataSource>(QStringLiteral("DataSource3"), table.get(), nullptr);
        table->open();
        navigator = std::make_unique<TsDBNavigator>();
        navigator->setDataSource(source.get());
    }

    void press(int index) { navigator->button(index)->click(); }
    QStringList storedTopics() const { return course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")); }

    TestCourse course;
    Connection connection;
    std::unique_ptr<Table> table;
    std::unique_ptr<DataSource> source;
    std::unique_ptr<TsDBNavigator> navigator;
};

struct EnableCase {
    const char* name;
    QStringList topics;
    Connection::Mode mode;
    std::function<void(NavigatorBench&)> act;
    QString enabled;
};

class NavigatorEnableTest : public ::testing::TestWithParam<EnableCase> {};

TEST_P(NavigatorEnableTest, ButtonsMatchTheTable)
{
    NavigatorBench bench(GetParam().topics, GetParam().mode);
    GetParam().act(bench);
    EXPECT_EQ(enabledButtons(*bench.navigator), GetParam().enabled);
}

const auto rw = Connection::Mode::ReadWrite;
const QStringList two{QStringLiteral("Первая"), QStringLiteral("Вторая")};

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigatorEnableTest,
    ::testing::Values(
        EnableCase{"EmptyTable", {}, rw, [](NavigatorBench&) {}, "INSERT EDIT REFRESH"},
        EnableCase{"EditOnEmptyTableStartsInsert",
                   {},
                   rw,
                   [](NavigatorBench& b) {
                       b.press(TsDBNavigator::nbEdit);
                       ASSERT_EQ(b.table->state(), Table::State::Insert);
                   },
                   "INSERT POST CANCEL REFRESH"},
        EnableCase{"OneRecordJustOpened", {"Одна"}, rw, [](NavigatorBench&) {}, "NEXT LAST INSERT DELETE EDIT REFRESH"},
        EnableCase{"OneRecordAfterNextFindsNoLater",
                   {"Одна"},
                   rw,
                   [](NavigatorBench& b) {
                       b.press(TsDBNavigator::nbNext);
                       ASSERT_EQ(b.table->recordIndex(), 0);
                   },
                   "FIRST PRIOR INSERT DELETE EDIT REFRESH"},
        EnableCase{"BackOnFirstRecordKeepsPriorUntilPressedAgain", two, rw,
                   [](NavigatorBench& b) {
                       b.press(TsDBNavigator::nbNext);
                       b.press(TsDBNavigator::nbPrior);
                       ASSERT_EQ(b.table->recordIndex(), 0);
                   },
                   "FIRST PRIOR NEXT LAST INSERT DELETE EDIT REFRESH"},
        EnableCase{"AtTheEnd", two, rw, [](NavigatorBench& b) { b.press(TsDBNavigator::nbLast); },
                   "FIRST PRIOR INSERT DELETE EDIT REFRESH"},
        EnableCase{"EditState", two, rw, [](NavigatorBench& b) { b.press(TsDBNavigator::nbEdit); },
                   "NEXT LAST INSERT DELETE POST CANCEL REFRESH"},
        EnableCase{"EditStateEnteredElsewhere", two, rw, [](NavigatorBench& b) { b.table->edit(); },
                   "NEXT LAST INSERT DELETE POST CANCEL REFRESH"},
        EnableCase{"AfterPost", two, rw,
                   [](NavigatorBench& b) {
                       b.press(TsDBNavigator::nbEdit);
                       b.table->setFieldValue(QStringLiteral("tema"), QStringLiteral("Новая"));
                       b.press(TsDBNavigator::nbPost);
                   },
                   "FIRST PRIOR NEXT LAST INSERT DELETE EDIT REFRESH"},
        EnableCase{"ClosedTable", two, rw, [](NavigatorBench& b) { b.table->close(); }, ""},
        EnableCase{"ReadOnlyDatabase", two, Connection::Mode::ReadOnly, [](NavigatorBench&) {}, "NEXT LAST"},
        EnableCase{"NavigatorDisabled", two, rw, [](NavigatorBench& b) { b.navigator->setEnabled(false); }, ""},
        EnableCase{"NavigatorEnabledAgain", two, rw,
                   [](NavigatorBench& b) {
                       b.navigator->setEnabled(false);
                       b.navigator->setEnabled(true);
                   },
                   "NEXT LAST INSERT DELETE EDIT REFRESH"},
        EnableCase{"NoDataSource", two, rw, [](NavigatorBench& b) { b.navigator->setDataSource(nullptr); }, ""},
        EnableCase{"DataSourceDestroyed", two, rw, [](NavigatorBench& b) { b.source.reset(); }, ""}),
    CaseName());

struct LayoutCase {
    const char* name;
    int width;
    TsDBNavigator::VisibleButtons visible;
    std::vector<int> widths; // of the visible buttons, left to right
};

class NavigatorLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(NavigatorLayoutTest, SpreadsTheWidthOverTheVisibleButtons)
{
    TsDBNavigator navigator;
    navigator.setVisibleButtons(GetParam().visible);
    navigator.resize(GetParam().width, 25);
    navigator.show();
    std::vector<int> widths;
    int x = 1;
    for (int index = 0; index < TsDBNavigator::buttonCount; ++index) {
        const QRect geometry = navigator.button(index)->geometry();
        if (!(GetParam().visible & (1 << index))) {
            EXPECT_FALSE(navigator.button(index)->isVisibleTo(&navigator)) << index;
            EXPECT_GT(geometry.x(), GetParam().width) << index;
            continue;
        }
        EXPECT_EQ(geometry.x(), x) << index;
        EXPECT_EQ(geometry.y(), 1) << index;
        EXPECT_EQ(geometry.height(), 22) << index;
        widths.push_back(geometry.width());
        x += geometry.width();
    }
    EXPECT_EQ(widths, GetParam().widths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigatorLayoutTest,
    ::testing::Values(
        LayoutCase{"EditorWidth", 970, TsDBNavigator::AllButtons, {97, 97, 96, 97, 97, 97, 97, 96, 97, 97}},
        LayoutCase{"DefaultWidth", 240, TsDBNavigator::AllButtons, {24, 24, 23, 24, 24, 24, 24, 23, 24, 24}},
        LayoutCase{"ExactFit", 202, TsDBNavigator::AllButtons, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20}},
        LayoutCase{"MovingButtonsOnly",
                   100,
                   TsDBNavigator::FirstButton | TsDBNavigator::PriorButton | TsDBNavigator::NextButton
                       | TsDBNavigator::LastButton,
                   {24, 25, 24, 25}},
        LayoutCase{"ThreeScattered",
                   50,
                   TsDBNavigator::InsertButton | TsDBNavigator::PostButton | TsDBNavigator::CancelButton,
                   {16, 16, 16}},
        LayoutCase{"NoneVisible", 300, {}, {}}),
    CaseName());

TEST(NavigatorLayout, NeverSmallerThanSixPixelsAButton)
{
    TsDBNavigator navigator;
    EXPECT_EQ(navigator.minimumSize(), QSize(62, 8));
    navigator.setVisibleButtons(TsDBNavigator::FirstButton | TsDBNavigator::PriorButton | TsDBNavigator::NextButton);
    EXPECT_EQ(navigator.minimumSize(), QSize(20, 8));
    EXPECT_EQ(navigator.size(), QSize(240, 25));
}

TEST(NavigatorDelete, CancelKeepsTheRecordAndOkDeletesIt)
{
    NavigatorBench bench({QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")});
    bench.press(TsDBNavigator::nbNext);
    MessageRecorder boxes;
    boxes.answerWith(MessageAnswer::Cancel);
    bench.press(TsDBNavigator::nbDelete);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Confirm"));
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Delete record?"));
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(bench.storedTopics(), QStringList({"А", "Б", "В"}));
    EXPECT_EQ(bench.table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Б"));

    boxes.answerWith(MessageAnswer::Ok);
    bench.press(TsDBNavigator::nbDelete);
    EXPECT_EQ(bench.storedTopics(), QStringList({"А", "В"}));
    EXPECT_EQ(bench.table->fieldAsText(QStringLiteral("tema")), QStringLiteral("В"));
}

TEST(NavigatorDelete, WithoutConfirmationAsksNothing)
{
    NavigatorBench bench({QStringLiteral("А"), QStringLiteral("Б")});
    bench.navigator->setConfirmDelete(false);
    MessageRecorder boxes;
    bench.press(TsDBNavigator::nbDelete);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(bench.storedTopics(), QStringList({"Б"}));
}

TEST(NavigatorDelete, DuringInsertDiscardsTheNewRecordOnly)
{
    NavigatorBench bench({QStringLiteral("А"), QStringLiteral("Б")});
    bench.press(TsDBNavigator::nbInsert);
    bench.table->setFieldValue(QStringLiteral("tema"), QStringLiteral("Новая"));
    MessageRecorder boxes;
    bench.press(TsDBNavigator::nbDelete);
    EXPECT_EQ(boxes.texts(), QStringList({"Delete record?"}));
    EXPECT_EQ(bench.table->state(), Table::State::Browse);
    EXPECT_EQ(bench.table->recordCount(), 2);
    EXPECT_EQ(bench.storedTopics(), QStringList({"А", "Б"}));
}

TEST(NavigatorEvents, BeforeActionThenActionThenClicked)
{
    NavigatorBench bench({QStringLiteral("А"), QStringLiteral("Б")});
    QStringList calls;
    QObject::connect(bench.navigator.get(), &TsDBNavigator::beforeAction, [&](int index) {
        calls.append(QStringLiteral("before %1 at %2").arg(index).arg(bench.table->recordIndex()));
    });
    QObject::connect(bench.navigator.get(), &TsDBNavigator::clicked, [&](int index) {
        calls.append(QStringLiteral("click %1 at %2").arg(index).arg(bench.table->recordIndex()));
    });
    bench.press(TsDBNavigator::nbNext);
    EXPECT_EQ(calls, QStringList({"before 2 at 0", "click 2 at 1"}));

    // Without a table there is no action, but the click is still reported.
    calls.clear();
    bench.navigator->setDataSource(nullptr);
    bench.navigator->btnClick(TsDBNavigator::nbFirst);
    EXPECT_EQ(calls, QStringList({"click 0 at 1"}));
}

TEST(NavigatorEvents, RefusedActionShowsTheTableError)
{
    NavigatorBench bench({});
    MessageRecorder boxes;
    bench.navigator->button(TsDBNavigator::nbPost)->setEnabled(true);
    bench.press(TsDBNavigator::nbPost);
    EXPECT_EQ(boxes.texts(), QStringList({"ADOTable3: Dataset not in edit or insert mode."}));
}

TEST(NavigatorHints, OwnNonEmptyLinesReplaceTheDefaults)
{
    TsDBNavigator navigator;
    navigator.setHints({QString(), QStringLiteral("Назад")});
    EXPECT_EQ(navigator.button(0)->accessibleName(), QStringLiteral("First record"));
    EXPECT_EQ(navigator.button(1)->accessibleName(), QStringLiteral("Назад"));
    EXPECT_EQ(navigator.button(9)->accessibleName(), QStringLiteral("Refresh data"));
    EXPECT_TRUE(navigator.button(1)->toolTip().isEmpty());
    navigator.setShowHint(true);
    EXPECT_EQ(navigator.button(1)->toolTip(), QStringLiteral("Назад"));
}

TEST(NavigatorGlyphs, BuiltInGlyphsUnlessImagesReplaceThem)
{
    TsDBNavigator navigator;
    for (int index = 0; index < TsDBNavigator::buttonCount; ++index) {
        const QSize size = navigator.button(index)->iconSize();
        EXPECT_EQ(size.height(), 13) << index;
        EXPECT_GE(size.width(), 9) << index;
        EXPECT_LE(size.width(), 15) << index;
    }
    QImage own(20, 20, QImage::Format_RGB32);
    own.fill(Qt::blue);
    navigator.setImages({own, own});
    navigator.setFirstImageIndex(1);
    EXPECT_EQ(navigator.button(0)->iconSize(), QSize(20, 20));
    EXPECT_EQ(navigator.button(1)->iconSize().height(), 13);
}

// Counts the skin messages that reach a button.
class SkinMessageCounter : public QObject {
public:
    QList<unsigned> messages;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (const unsigned message = skinMessageOf(event))
            messages.append(message);
        return false;
    }
};

TEST(NavigatorSkin, SkinChangesAndRepaintsArePassedOnToEveryButton)
{
    TsDBNavigator navigator;
    std::vector<std::unique_ptr<SkinMessageCounter>> counters;
    for (int index = 0; index < TsDBNavigator::buttonCount; ++index) {
        counters.push_back(std::make_unique<SkinMessageCounter>());
        navigator.button(index)->installEventFilter(counters.back().get());
    }
    sendSkinMessage(&navigator, SKM_SETNEWSKIN);
    sendSkinMessage(&navigator, SKM_STOPFADING);
    sendSkinMessage(&navigator, SKM_REPAINT);
    sendSkinMessage(&navigator, SKM_REMOVESKIN);
    EXPECT_EQ(navigator.SkinData.SkinSection(), QStringLiteral("TOOLBAR"));
    EXPECT_EQ(navigator.button(0)->SkinData.SkinSection(), QStringLiteral("TOOLBUTTON"));
    for (const auto& counter : counters)
        EXPECT_EQ(counter->messages, QList<unsigned>({SKM_SETNEWSKIN, SKM_REPAINT, SKM_REMOVESKIN}));
}

class NavigatorLookTest : public SkinFixture {};

TEST_F(NavigatorLookTest, BarAndButtonsPaintTheToolbarLooksWithTheirGlyphs)
{
    TsSkinManager* manager = newManager();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);
    QWidget window;
    auto* navigator = new TsDBNavigator(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(navigator->skinActive());
    navigator->repaint();
    TsNavButton* button = navigator->button(TsDBNavigator::nbNext);
    button->setEnabled(true);
    ASSERT_TRUE(button->skinActive());

    // The idle button lets the bar show through around its glyph.
    const QImage normal = button->skinImage().copy();
    const QImage bar = navigator->SkinData.cache();
    EXPECT_EQ(normal.pixel(1, 1), bar.pixel(button->pos() + QPoint(1, 1)));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(button, &enter);
    QTest::qWait(60);
    const QImage hot = button->skinImage().copy();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage pressed = button->skinImage().copy();
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    button->setEnabled(false);
    const QImage disabled = button->skinImage().copy();
    EXPECT_NE(normal, hot);
    EXPECT_NE(hot, pressed);
    EXPECT_NE(normal, disabled);
}

TEST(NavigatorKeyboard, ArrowsMoveTheMarkAndSpacePressesIt)
{
    NavigatorBench bench({QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")});
    bench.navigator->setTabStop(true);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Left);
    EXPECT_EQ(bench.navigator->focusedButton(), 0);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Right);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Right);
    EXPECT_EQ(bench.navigator->focusedButton(), TsDBNavigator::nbNext);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Space);
    EXPECT_EQ(bench.table->recordIndex(), 1);
    // Space on a disabled button does nothing.
    QTest::keyClick(bench.navigator.get(), Qt::Key_Right);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Space);
    EXPECT_EQ(bench.table->recordIndex(), 2);
    QTest::keyClick(bench.navigator.get(), Qt::Key_Space);
    EXPECT_EQ(bench.table->recordIndex(), 2);
}

TEST(NavigatorKeyboard, ArrowsSkipHiddenButtons)
{
    TsDBNavigator navigator;
    navigator.setTabStop(true);
    navigator.setVisibleButtons(TsDBNavigator::FirstButton | TsDBNavigator::DeleteButton
                                | TsDBNavigator::RefreshButton);
    QTest::keyClick(&navigator, Qt::Key_Right);
    EXPECT_EQ(navigator.focusedButton(), 5);
    QTest::keyClick(&navigator, Qt::Key_Right);
    QTest::keyClick(&navigator, Qt::Key_Right);
    EXPECT_EQ(navigator.focusedButton(), 9);
}

TEST(NavigatorRepeat, HoldingNextKeepsMovingUntilReleased)
{
    QStringList topics;
    for (int i = 0; i < 30; ++i)
        topics.append(QString::number(i));
    NavigatorBench bench(topics);
    bench.navigator->show();
    TsNavButton* next = bench.navigator->button(TsDBNavigator::nbNext);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(bench.table->recordIndex(), 1);

    QTest::mousePress(next, Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_EQ(bench.table->recordIndex(), 1);
    QTest::qWait(450);
    QTest::mouseRelease(next, Qt::LeftButton);
    // The first repeat at 400 ms, then one every 100 ms, and the press on release: at least
    // three more moves by 750 ms, however busy the machine.
    EXPECT_GE(bench.table->recordIndex(), 4);
    const int reached = bench.table->recordIndex();
    QTest::qWait(250);
    EXPECT_EQ(bench.table->recordIndex(), reached);
}

} // namespace
