#include "skin/controls/tsupdown.h"
#include "skin/core/paintsection.h"
#include "skin/core/skininforce.h"

#include "skin/controls/scrollbarmetrics.h"
#include "tests/skin/controls/internalskinfixture.h"
#include "tests/support/casename.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The internal skin in force, and a window to put an up-down on.
class UpDownTest : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(100, 50);
    }

    void TearDown() override
    {
        window.reset();
        InternalSkinFixture::TearDown();
    }

    std::unique_ptr<QWidget> window;
};

struct UpDownCase {
    const char* name;
    int x;
    int value;
    ControlState firstState;
    ControlState secondState;
};

class UpDownPresses : public UpDownTest, public ::testing::WithParamInterface<UpDownCase> {};

TEST_P(UpDownPresses, LeftHalfStepsDownRightHalfUp)
{
    const UpDownCase& c = GetParam();
    TsUpDown upDown(window.get());
    upDown.setRange(0, 5);
    upDown.setValue(2);
    const QPointF at(c.x, 8);
    QMouseEvent event(QEvent::MouseButtonPress, at, upDown.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&upDown, &event);
    EXPECT_EQ(upDown.value(), c.value);
    EXPECT_EQ(upDown.halfState(TsUpDown::FirstHalf), c.firstState);
    EXPECT_EQ(upDown.halfState(TsUpDown::SecondHalf), c.secondState);
}

INSTANTIATE_TEST_SUITE_P(Table, UpDownPresses,
                         ::testing::Values(UpDownCase{"left", 3, 1, ControlState::Pressed, ControlState::Normal},
                                           UpDownCase{"right", 30, 3, ControlState::Normal, ControlState::Pressed}),
                         CaseName());

// Each half is the skin's scroll button of its direction; a half at the end of the range keeps it,
// but dimmed.
TEST_F(UpDownTest, HalvesAreTheSkinsScrollButtons)
{
    TsUpDown upDown(window.get());
    upDown.setRange(0, 5);
    upDown.setValue(2);
    const QImage image = upDown.skinImage();
    for (TsUpDown::Half half : {TsUpDown::FirstHalf, TsUpDown::SecondHalf}) {
        const TsCommonIndexes& common = skinInForce()->commonIndexes;
        const TsScrollPartIndexes& button = half == TsUpDown::FirstHalf ? common.scrollBtnLeft : common.scrollBtnRight;
        const QRect rect = upDown.halfRect(half);
        QImage expected(rect.size(), QImage::Format_BGR888);
        expected.fill(Qt::black);
        paintItemFixed(
            *skinInForce(), expected, expected.rect(),
            SectionPaint{
                button.section, skinInForce()->sections[button.section].sectionName, {}, upDown.pos() + rect.topLeft()},
            SectionMasks{button.bordersMask, button.pattern, button.hotPattern});
        EXPECT_EQ(image.copy(rect).pixel(rect.width() / 2, 1), expected.pixel(rect.width() / 2, 1)) << half;
    }
    upDown.setValue(0);
    const QRect first = upDown.halfRect(TsUpDown::FirstHalf);
    EXPECT_NE(upDown.skinImage().copy(first), image.copy(first));
    upDown.setShowInaccessibility(false);
    EXPECT_EQ(upDown.skinImage().copy(first), image.copy(first));
}

struct HoldEndCase {
    const char* name;
    QEvent::Type end;
    QPoint at; // where the pointer ends the hold
};

class UpDownHold : public UpDownTest, public ::testing::WithParamInterface<HoldEndCase> {};

// A held half steps once at once, again only after the pause, then on and on; releasing it, or
// leaving it with the button still down, ends the stepping.
TEST_P(UpDownHold, HeldHalfRepeatsUntilLetGo)
{
    const HoldEndCase& c = GetParam();
    TsUpDown upDown(window.get());
    auto send = [&upDown](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(upDown.mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&upDown, &event);
    };
    upDown.setRange(0, 1000);
    const QPoint right = upDown.halfRect(TsUpDown::SecondHalf).center();
    send(QEvent::MouseButtonPress, right, Qt::LeftButton);
    EXPECT_EQ(upDown.value(), 1);
    QTest::qWait(metrics::scrollBar::repeatDelayMs / 2);
    EXPECT_EQ(upDown.value(), 1) << "no repeat before the pause";
    ASSERT_TRUE(QTest::qWaitFor([&] { return upDown.value() >= 3; }, 5000));
    send(c.end, c.at, c.end == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton);
    const int stopped = upDown.value();
    QTest::qWait(3 * metrics::scrollBar::repeatIntervalMs);
    EXPECT_EQ(upDown.value(), stopped);
}

INSTANTIATE_TEST_SUITE_P(Table, UpDownHold,
                         ::testing::Values(HoldEndCase{"released", QEvent::MouseButtonRelease, {30, 8}},
                                           HoldEndCase{"left", QEvent::MouseMove, {3, 8}}),
                         CaseName());

} // namespace
