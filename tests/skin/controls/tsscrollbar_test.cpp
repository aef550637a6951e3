#include "skin/controls/tsscrollbar.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/programfolder.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A horizontal bar 121 pixels long (arrows of 17, so 87 pixels of track) under the internal skin.
class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setProgramFolderOverride(folder.path());
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->setInternalSkins({ferroluxSkin()});
        manager->setSkinName(ferroluxSkinName);
        ASSERT_TRUE(skinData().ready);
        bar = std::make_unique<TsScrollBar>();
        bar->setObjectName(QStringLiteral("ScrollBar1"));
        bar->resize(121, 17);
    }

    void TearDown() override
    {
        bar.reset();
        manager.reset();
        putSkinInForce(nullptr);
        skinData().ready = false;
        setProgramFolderOverride(QString());
    }

    void mouse(QEvent::Type type, int x)
    {
        const QPointF at(x, 8);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(bar.get(), &event);
    }

    // Counts the position changes the bar tells of, with the old position the owner is given.
    void recordChanges()
    {
        QObject::connect(bar.get(), &TsScrollBar::positionChanged, [this](int old) { oldPositions.append(old); });
        QObject::connect(bar.get(), &TsScrollBar::changed, [this] { ++changes; });
    }

    QTemporaryDir folder;
    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<TsScrollBar> bar;
    QList<int> oldPositions;
    int changes = 0;
};

struct GeometryCase {
    const char* name;
    TsScrollBarKind kind;
    int length;
    int min;
    int max;
    int pageSize;
    int position;
    bool enabled;
    int sliderLength;
    int sliderCenter;
};

class ScrollBarGeometry : public ScrollBarTest, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(ScrollBarGeometry, SliderLengthAndCentre)
{
    const GeometryCase& c = GetParam();
    MessageRecorder boxes;
    bar->setKind(c.kind);
    bar->resize(c.kind == sbHorizontal ? QSize(c.length, 17) : QSize(17, c.length));
    bar->setMin(c.min);
    bar->setMax(c.max);
    bar->setPageSize(c.pageSize);
    bar->setPosition(c.position);
    bar->setEnabled(c.enabled);
    EXPECT_EQ(bar->sliderLength(), c.sliderLength);
    EXPECT_EQ(bar->sliderCenter(), c.sliderCenter);
    const QRect slider = bar->partRect(TsScrollBar::Slider);
    EXPECT_EQ(c.kind == sbHorizontal ? slider.width() : slider.height(), c.sliderLength);
    EXPECT_EQ(c.kind == sbHorizontal ? slider.left() : slider.top(), c.sliderCenter - c.sliderLength / 2);
}

// Track 87; without a page the slider is 14 and travels 73 pixels from centre 24.
INSTANTIATE_TEST_SUITE_P(
    Table, ScrollBarGeometry,
    ::testing::Values(GeometryCase{"no_page_at_min", sbHorizontal, 121, 0, 100, 0, 0, true, 14, 24},
                      GeometryCase{"no_page_at_max", sbHorizontal, 121, 0, 100, 0, 100, true, 14, 97},
                      GeometryCase{"centre_half_rounds_to_even_down", sbHorizontal, 121, 0, 100, 0, 50, true, 14, 60},
                      GeometryCase{"small_page_keeps_the_minimum", sbHorizontal, 121, 0, 100, 10, 0, true, 14, 24},
                      GeometryCase{"page_exact", sbHorizontal, 121, 0, 100, 50, 0, true, 29, 31},
                      GeometryCase{"page_half_rounds_up_to_even", sbHorizontal, 121, 0, 100, 100, 0, true, 44, 39},
                      GeometryCase{"page_half_rounds_down_to_even", sbHorizontal, 119, 0, 1, 1, 0, true, 42, 38},
                      GeometryCase{"max_equals_min", sbHorizontal, 121, 5, 5, 0, 5, true, 14, 0},
                      GeometryCase{"disabled_sits_in_the_middle", sbHorizontal, 121, 0, 100, 0, 100, false, 14, 60},
                      GeometryCase{"vertical_goes_by_height", sbVertical, 119, 0, 1, 1, 0, true, 42, 38}),
    CaseName());

struct PointerCase {
    const char* name;
    int min;
    int max;
    bool enabled;
    int coordinate;
    int position;
};

class ScrollBarPointer : public ScrollBarTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(ScrollBarPointer, PositionFromAPointer)
{
    const PointerCase& c = GetParam();
    bar->setMax(c.max);
    bar->setMin(c.min);
    bar->setEnabled(c.enabled);
    EXPECT_EQ(bar->positionFromPointer(c.coordinate), c.position);
}

INSTANTIATE_TEST_SUITE_P(Table, ScrollBarPointer,
                         ::testing::Values(PointerCase{"slider_centre_at_start", 0, 100, true, 24, 0},
                                           PointerCase{"slider_centre_at_end", 0, 100, true, 97, 100},
                                           PointerCase{"between_rounds_to_nearest", 0, 100, true, 61, 51},
                                           PointerCase{"before_the_track_is_not_clamped", 0, 100, true, 0, -33},
                                           PointerCase{"offset_by_min", 10, 20, true, 60, 15},
                                           PointerCase{"disabled_gives_zero", 10, 20, false, 60, 0}),
                         CaseName());

struct ValueCase {
    const char* name;
    int start;
    int requested;
    int position;
    int notifications;
};

class ScrollBarValue : public ScrollBarTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ScrollBarValue, PositionIsClampedOrIgnored)
{
    const ValueCase& c = GetParam();
    bar->setMin(10);
    bar->setMax(20);
    bar->setPosition(c.start);
    recordChanges();
    bar->setPosition(c.requested);
    EXPECT_EQ(bar->Position(), c.position);
    EXPECT_EQ(changes, c.notifications);
    EXPECT_EQ(oldPositions, QList<int>(c.notifications, c.start));
    EXPECT_EQ(bar->value(), c.position);
}

INSTANTIATE_TEST_SUITE_P(Table, ScrollBarValue,
                         ::testing::Values(ValueCase{"inside", 12, 15, 15, 1},
                                           ValueCase{"below_min_clamps", 12, 3, 10, 1},
                                           ValueCase{"below_min_at_min_is_ignored", 10, 3, 10, 0},
                                           ValueCase{"above_max_clamps", 12, 30, 20, 1},
                                           ValueCase{"above_max_at_max_is_ignored", 20, 25, 20, 0}),
                         CaseName());

TEST_F(ScrollBarTest, NegativePageSizeIsIgnored)
{
    bar->setPageSize(30);
    bar->setPageSize(-1);
    EXPECT_EQ(bar->PageSize(), 30);
}

struct RangeCase {
    const char* name;
    bool withOwner;
    bool changeMin;
    int value;
    const char* text;
    int min;
    int max;
    int position;
};

class ScrollBarRange : public ScrollBarTest, public ::testing::WithParamInterface<RangeCase> {};

// Crossed limits are reported, naming the owner or else the bar, and kept all the same.
TEST_P(ScrollBarRange, CrossedLimitsAreReportedAndApplied)
{
    const RangeCase& c = GetParam();
    QWidget memo;
    memo.setObjectName(QStringLiteral("Memo1"));
    if (c.withOwner)
        bar->setOwnerControl(&memo);
    bar->setPosition(50);
    MessageRecorder boxes;
    if (c.changeMin)
        bar->setMin(c.value);
    else
        bar->setMax(c.value);
    EXPECT_EQ(boxes.texts(), QStringList{QString::fromUtf8(c.text)});
    EXPECT_EQ(bar->Min(), c.min);
    EXPECT_EQ(bar->Max(), c.max);
    EXPECT_EQ(bar->Position(), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollBarRange,
    ::testing::Values(RangeCase{"max_below_min_names_the_owner", true, false, -5,
                                "Scrollbar property out of range\n\rMax = -5(Owner=Memo1)", 0, -5, 0},
                      RangeCase{"max_equal_to_min_names_the_bar", false, false, 0,
                                "Scrollbar property out of range\n\rMax = 0(ScrollBar1)", 0, 0, 0},
                      RangeCase{"min_above_max", false, true, 200,
                                "Scrollbar property out of range\n\rMax = 100(ScrollBar1)", 200, 100, 200}),
    CaseName());

TEST_F(ScrollBarTest, LimitsInOrderShowNoBox)
{
    MessageRecorder boxes;
    bar->setMax(10);
    bar->setMin(-10);
    EXPECT_TRUE(boxes.empty());
}

struct HoldCase {
    const char* name;
    int start;
    QList<int> positions; // after the press, then after each tick
};

class ScrollBarHold : public ScrollBarTest, public ::testing::WithParamInterface<HoldCase> {};

// The second arrow steps at once, after 500 ms and then every 100 ms; never beyond Max.
TEST_P(ScrollBarHold, HeldSecondArrowRepeats)
{
    const HoldCase& c = GetParam();
    bar->setMax(10);
    bar->setPosition(c.start);
    mouse(QEvent::MouseButtonPress, 115);
    EXPECT_EQ(bar->lastScrollCode(), scLineDown);
    EXPECT_EQ(bar->partState(TsScrollBar::SecondButton), ControlState::Pressed);
    ASSERT_TRUE(bar->autoRepeatActive());
    EXPECT_EQ(bar->autoRepeatInterval(), 500);
    QList<int> positions{bar->Position()};
    for (int tick = 1; tick < c.positions.size(); ++tick) {
        bar->autoRepeatTick();
        EXPECT_EQ(bar->autoRepeatInterval(), 100);
        positions.append(bar->Position());
    }
    EXPECT_EQ(positions, c.positions);
    mouse(QEvent::MouseButtonRelease, 115);
    EXPECT_FALSE(bar->autoRepeatActive());
    EXPECT_EQ(bar->partState(TsScrollBar::SecondButton), ControlState::Hot);
}

INSTANTIATE_TEST_SUITE_P(Table, ScrollBarHold,
                         ::testing::Values(HoldCase{"steps_until_max", 7, {8, 9, 10, 10}},
                                           HoldCase{"at_max_never_steps", 10, {10, 10, 10}}),
                         CaseName());

// Pressing a track pages toward the pointer and stops once the slider has reached it.
TEST_F(ScrollBarTest, PagingStopsAtThePointer)
{
    const struct {
        int start;
        int pointer;
        QList<int> positions;
    } cases[] = {
        {0, 90, {10, 20, 30, 40, 50, 60, 70, 80, 90, 90, 90}},
        {100, 30, {90, 80, 70, 60, 50, 40, 30, 20, 10, 10, 10}},
    };
    for (const auto& c : cases) {
        bar->setLargeChange(10);
        bar->setPosition(c.start);
        mouse(QEvent::MouseButtonPress, c.pointer);
        QList<int> positions{bar->Position()};
        while (positions.size() < c.positions.size()) {
            bar->autoRepeatTick();
            positions.append(bar->Position());
        }
        EXPECT_EQ(positions, c.positions) << c.pointer;
        mouse(QEvent::MouseButtonRelease, c.pointer);
        EXPECT_FALSE(bar->autoRepeatActive());
    }
}

// A smooth drag tells of every move; a non-smooth one once, on release, with the position from
// before the drag.
TEST_F(ScrollBarTest, DragNotifiesPerMoveOnlyWhenSmooth)
{
    const struct {
        bool smooth;
        QList<int> oldPositions;
    } cases[] = {{true, {0, 14, 27}}, {false, {0}}};
    for (const auto& c : cases) {
        bar->setPosition(0);
        bar->setSmooth(c.smooth);
        oldPositions.clear();
        changes = 0;
        QObject heard;
        QObject::connect(bar.get(), &TsScrollBar::positionChanged, &heard,
                         [this](int old) { oldPositions.append(old); });
        mouse(QEvent::MouseButtonPress, 24);
        EXPECT_EQ(bar->partState(TsScrollBar::Slider), ControlState::Pressed);
        mouse(QEvent::MouseMove, 34);
        mouse(QEvent::MouseMove, 44);
        mouse(QEvent::MouseButtonRelease, 54);
        EXPECT_EQ(bar->Position(), 41);
        EXPECT_EQ(oldPositions, c.oldPositions) << c.smooth;
        EXPECT_EQ(bar->lastScrollCode(), scPosition);
        EXPECT_EQ(bar->partState(TsScrollBar::Slider), ControlState::Hot);
    }
}

// Whatever part lights up, the other buttons and the slider go dark and the tracks light up.
TEST_F(ScrollBarTest, OnePartLitAtATime)
{
    using P = TsScrollBar;
    using S = ControlState;
    const struct {
        int pointer;
        std::array<ControlState, P::PartCount> states; // first, second, before, after, slider
    } moves[] = {
        {5, {S::Hot, S::Normal, S::Hot, S::Hot, S::Normal}},
        {24, {S::Normal, S::Normal, S::Hot, S::Hot, S::Hot}},
        {115, {S::Normal, S::Hot, S::Hot, S::Hot, S::Normal}},
        {60, {S::Normal, S::Normal, S::Hot, S::Hot, S::Normal}},
    };
    for (const auto& m : moves) {
        mouse(QEvent::MouseMove, m.pointer);
        for (int part = 0; part < P::PartCount; ++part)
            EXPECT_EQ(bar->partState(P::Part(part)), m.states[part]) << m.pointer << " part " << part;
    }
}

// The platform's own scrolling reports its code first, then the position change as any other.
TEST_F(ScrollBarTest, PlatformScrollingReportsItsCodeThenTheChange)
{
    recordChanges();
    QList<std::pair<TsScrollCode, int>> scrolls;
    QObject::connect(bar.get(), &TsScrollBar::scrolled, [&](TsScrollCode code, int position) {
        scrolls.append({code, position});
    });
    bar->setLargeChange(10);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    const QList<std::pair<TsScrollCode, int>> expected{{scPageDown, 10}, {scPosition, 10}, {scTop, 0}, {scPosition, 0}};
    EXPECT_EQ(scrolls, expected);
    EXPECT_EQ(oldPositions, (QList<int>{0, 10}));
    EXPECT_EQ(changes, 2);
}

TEST_F(ScrollBarTest, KeysStepAndJump)
{
    bar->setSmallChange(2);
    bar->setLargeChange(25);
    bar->setPosition(50);
    const struct {
        Qt::Key key;
        int position;
    } presses[] = {{Qt::Key_Right, 52}, {Qt::Key_Up, 50},  {Qt::Key_PageDown, 75}, {Qt::Key_PageUp, 50},
                   {Qt::Key_End, 100},  {Qt::Key_Home, 0}, {Qt::Key_Down, 2},      {Qt::Key_Left, 0}};
    for (const auto& p : presses) {
        QKeyEvent event(QEvent::KeyPress, p.key, Qt::NoModifier);
        QCoreApplication::sendEvent(bar.get(), &event);
        EXPECT_EQ(bar->Position(), p.position) << p.key;
    }
}

// However the position moves (the bar's setter, the platform's value, new limits), the owner hears
// where it came from; a bar that had nothing to scroll comes from -1.
TEST_F(ScrollBarTest, EveryChangeTellsWhereThePositionCameFrom)
{
    recordChanges();
    bar->setPosition(30);
    bar->setValue(40);
    bar->setMax(20);
    bar->showNothingToScroll(5);
    EXPECT_EQ(bar->Position(), -1);
    bar->setValue(1);
    EXPECT_EQ(oldPositions, (QList<int>{0, 30, 40, -1}));
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(changes, 4);
}

// The bar stays a scroll bar for screen readers, and a value set through them becomes its position.
TEST_F(ScrollBarTest, ScreenReadersSeeAScrollBar)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar.get());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ScrollBar);
    ASSERT_NE(accessible->valueInterface(), nullptr);
    recordChanges();
    accessible->valueInterface()->setCurrentValue(30);
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_EQ(oldPositions, QList<int>{0});
}

// Serving an owner that is not its parent, a disabled bar is its picture mixed 60 % toward the
// track's colour; nothing is painted while the owner synchronises it.
TEST_F(ScrollBarTest, DisabledUnderAnOwnerBlendsTowardTheTrackColour)
{
    QWidget parent;
    QWidget memo(&parent);
    auto* served = new TsScrollBar(&parent);
    served->setOwnerControl(&memo);
    served->setEnabled(false);
    memo.setEnabled(false);
    const QImage blended = served->skinImage();
    // The bar's own picture stays in its cache; the disabled look goes on a copy.
    const QImage& own = served->SkinData.cache();
    const int32_t track = skinInForce()->sections[skinInForce()->commonIndexes.scrollBar1H.section].color;
    const QColor trackColour(track & 0xFF, (track >> 8) & 0xFF, (track >> 16) & 0xFF);
    ASSERT_EQ(blended.size(), own.size());
    auto mixed = [](int value, int colour) { return (value * 40 + colour * 60 + 50) / 100; };
    int differentFromTrack = 0;
    int wrong = 0;
    for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) {
            const QColor o = own.pixelColor(x, y);
            const QColor b = blended.pixelColor(x, y);
            differentFromTrack += o != trackColour ? 1 : 0;
            wrong += std::abs(b.red() - mixed(o.red(), trackColour.red())) > 1
                             || std::abs(b.green() - mixed(o.green(), trackColour.green())) > 1
                             || std::abs(b.blue() - mixed(o.blue(), trackColour.blue())) > 1
                         ? 1
                         : 0;
        }
    }
    EXPECT_GT(differentFromTrack, 100);
    EXPECT_EQ(wrong, 0);
}

} // namespace
