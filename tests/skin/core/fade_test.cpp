#include "paint_fixture.h"

#include "tests/support/errorcapture.h"
#include "skin/core/animtimer.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmessage.h"
#include "skin/core/tscommondata.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

namespace {

// A speed button as the fading needs it: skin data with a cache, and SKM_STOPFADING handled.
class FadingButton : public QWidget {
public:
    FadingButton() : data(this, true) {}
    ~FadingButton() override { data.setOwnerDestroying(); }

    bool event(QEvent* event) override
    {
        if (skinMessageOf(event) == SKM_STOPFADING) {
            ++stops;
            stopFade(timer);
            return true;
        }
        return QWidget::event(event);
    }

    void setLook(int level) { data.cache() = filledImage(2, 1, grey(level)); }

    bool fade(bool in, int newLook)
    {
        return startFade(timer, this, data, in, [&] { setLook(newLook); });
    }

    // Runs one tick and answers the grey level of the frame it showed, or -1 when it showed none.
    int tick()
    {
        timer->frameImage = QImage();
        timer->tick();
        return timer && !timer->frameImage.isNull() ? pixel(timer->frameImage, 0, 0) & 0xFF : -1;
    }

    TsCommonData data;
    TsAnimTimer* timer = nullptr;
    int stops = 0;
};

class FadeTest : public SkinPaintTest {
protected:
    void SetUp() override
    {
        SkinPaintTest::SetUp();
        TsGeneralData section = plainSection("BUTTON", grey(0));
        section.fadingEnabled = true;
        const int index = addSection(section);
        button.data.setSkinSection(QStringLiteral("BUTTON"));
        ASSERT_EQ(button.data.skinIndex(), index);
        button.setLook(0);
    }

    template <typename Change>
    void changeSection(Change change)
    {
        changeSkin([&](SkinTables& skin) { change(skin.sections[button.data.skinIndex()]); });
        // As a new skin announced to the button.
        button.data.updateIndexes();
    }

    FadingButton button;
};

} // namespace

TEST_F(FadeTest, FadeInShowsTheOldLookAtFallingWeightsAndFadeOutRunsBackDown)
{
    ASSERT_TRUE(button.fade(true, 255));
    ASSERT_NE(button.timer, nullptr);
    EXPECT_TRUE(button.timer->isActive());
    EXPECT_EQ(button.timer->interval(), 5);
    // Old look 0 keeps 204/256, 153/256, 102/256, 51/256 and 0 of its weight against new 255.
    std::vector<int> shown;
    for (int i = 0; i < 5; ++i)
        shown.push_back(button.tick());
    EXPECT_EQ(shown, std::vector<int>({52, 103, 153, 204, 255}));
    EXPECT_EQ(button.tick(), -1);
    EXPECT_EQ(button.timer->fadeLevel, 5);
    EXPECT_FALSE(button.timer->isActive());

    // The new look 0 now keeps 0, 51/256, ..., 255/256 against the old 255.
    ASSERT_TRUE(button.fade(false, 0));
    EXPECT_EQ(button.timer->iterations, 5);
    shown.clear();
    for (int i = 0; i < 6; ++i)
        shown.push_back(button.tick());
    EXPECT_EQ(shown, std::vector<int>({255, 204, 153, 103, 52, 1}));
    EXPECT_EQ(button.stops, 0);
    button.timer->tick();
    EXPECT_EQ(button.stops, 1);
    EXPECT_EQ(button.timer, nullptr);
}

TEST_F(FadeTest, LeavingBeforeTheFadeInCompletesFadesOutOverTheLevelsReached)
{
    ASSERT_TRUE(button.fade(true, 255));
    button.tick();
    button.tick();
    ASSERT_TRUE(button.fade(false, 0));
    EXPECT_EQ(button.timer->iterations, 3);
    int frames = 0;
    while (button.timer && button.tick() >= 0)
        ++frames;
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(button.stops, 1);
}

TEST_F(FadeTest, RunsOnItsTimerUntilTheButtonFreesIt)
{
    ASSERT_TRUE(button.fade(true, 255));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button.timer->isActive(); }, 2000));
    ASSERT_TRUE(button.fade(false, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.timer == nullptr; }, 2000));
    EXPECT_EQ(button.stops, 1);
}

TEST_F(FadeTest, ButtonsThatCannotFadeGetNoTimer)
{
    changeSection([](TsGeneralData& section) { section.fadingEnabled = false; });
    EXPECT_FALSE(button.fade(true, 255));
    changeSection([](TsGeneralData& section) { section.fadingEnabled = true; });
    button.setEnabled(false);
    EXPECT_FALSE(button.fade(true, 255));
    EXPECT_EQ(button.timer, nullptr);
}

TEST_F(FadeTest, NegativeIntervalIsARangeErrorAndZeroIterationsCompleteAtOnce)
{
    changeSection([](TsGeneralData& section) { section.fadingIntervalIn = -1; });
    EXPECT_EQ(errorMessageOf([&] { button.fade(true, 255); }), QStringLiteral("Range check error"));

    changeSection([](TsGeneralData& section) {
        section.fadingIntervalIn = 5;
        section.fadingIterations = 0;
    });
    delete button.timer;
    button.timer = nullptr;
    ASSERT_TRUE(button.fade(true, 255));
    EXPECT_EQ(button.tick(), -1);
    EXPECT_FALSE(button.timer->isActive());
}

TEST_F(FadeTest, OwnerBeingDestroyedStopsTheFade)
{
    ASSERT_TRUE(button.fade(true, 255));
    button.data.setOwnerDestroying();
    EXPECT_EQ(button.tick(), -1);
    EXPECT_EQ(button.timer->direction(), FadeNone);
    EXPECT_FALSE(button.timer->isActive());
}

namespace {

// A windowed button that paints as the skinned buttons do: the fade's image while it runs, else its
// cache.
class WindowedButton : public QWidget {
public:
    WindowedButton() : data(this, true) {}
    ~WindowedButton() override { data.setOwnerDestroying(); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, timer && timer->isActive() ? timer->shownImage() : data.cache());
    }

    TsCommonData data;
    TsFadeTimer* timer = nullptr;
};

} // namespace

TEST_F(FadeTest, WindowedButtonShowsTheStepReachedOnEveryPaintUntilTheFadeStops)
{
    WindowedButton windowed;
    windowed.data.setSkinSection(QStringLiteral("BUTTON"));
    windowed.data.cache() = filledImage(20, 10, grey(0));
    windowed.resize(20, 10);
    ASSERT_TRUE(startFade(windowed.timer, &windowed, windowed.data, true,
                          [&] { windowed.data.cache() = filledImage(20, 10, grey(255)); }));
    const auto shown = [&] { return pixel(windowed.grab().toImage().convertToFormat(QImage::Format_BGR888), 5, 5); };

    EXPECT_EQ(shown(), grey(0));
    windowed.timer->tick();
    EXPECT_EQ(windowed.timer->fadeLevel, 2);
    EXPECT_EQ(shown(), grey(52));
    stopFade(windowed.timer);
    EXPECT_EQ(shown(), grey(255));
}

TEST(FadeBlend, WholeBitmapBlendNeedsBitmapsOfOneSize)
{
    QImage first = filledImage(2, 2, grey(200));
    blendImages(first, filledImage(2, 2, grey(100)), 128);
    EXPECT_EQ(pixel(first, 1, 1), grey(150));
    blendImages(first, filledImage(3, 2, grey(0)), 0);
    EXPECT_EQ(pixel(first, 1, 1), grey(150));
}
