#include "skin/controls/tsbutton.h"
#include "skin/core/skinmessage.h"

#include "tests/skin/controls/internalskinfixture.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A 105 x 25 button and an edit on a window with a red background, under the internal skin.
class ButtonTest : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window = std::make_unique<QWidget>();
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, Qt::red);
        window->setPalette(palette);
        window->resize(300, 100);
        edit = new QLineEdit(window.get());
        edit->setGeometry(10, 50, 100, 20);
        button = new TsButton(window.get());
        button->setText(QStringLiteral("Вход"));
        button->setGeometry(10, 10, 105, 25);
        clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        clicks.reset();
        window.reset();
        InternalSkinFixture::TearDown();
    }

    // The face as the last paint left it.
    const QImage& face()
    {
        button->repaint();
        return button->SkinData.cache();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* edit = nullptr;
    TsButton* button = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
};

TEST_F(ButtonTest, PaintsFromItsSectionInTheShapeOfItsBorderAndStaysAPushButtonToScreenReaders)
{
    ASSERT_TRUE(button->skinActive());
    const QImage normal = face().copy();
    EXPECT_EQ(normal.size(), QSize(105, 25));
    EXPECT_FALSE(button->mask().isEmpty());
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(button->mask().contains(QPoint(52, 12)));

    button->setFocus();
    EXPECT_EQ(button->shownState(), ControlState::Hot);
    const QImage focused = face().copy();
    EXPECT_NE(focused, normal);
    button->setText(QStringLiteral("Выход"));
    EXPECT_NE(face(), focused);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Выход"));

    sendSkinMessage(button, SKM_REMOVESKIN);
    EXPECT_FALSE(button->skinActive());
    EXPECT_TRUE(button->mask().isEmpty());
}

struct MouseCase {
    const char* name;
    bool press;
    QPoint release;
    int clicks;
};

class ButtonMouseTest : public ButtonTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(ButtonMouseTest, ClicksOnlyOnAReleaseInsideThatFollowsAPress)
{
    const MouseCase& c = GetParam();
    QSignalSpy released(button, &QAbstractButton::released);
    if (c.press) {
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
        EXPECT_EQ(button->shownState(), ControlState::Pressed);
    }
    QTest::mouseRelease(button, Qt::LeftButton, {}, c.release);
    EXPECT_EQ(clicks->count(), c.clicks);
    EXPECT_FALSE(button->isDown());
    EXPECT_NE(button->shownState(), ControlState::Pressed);
    if (!c.press) {
        EXPECT_EQ(released.count(), 0);
    }
}

const MouseCase mouseCases[] = {
    {"PressAndReleaseInside", true, QPoint(50, 12), 1},
    {"ReleaseOutside", true, QPoint(150, 12), 0},
    {"ReleaseWithoutPress", false, QPoint(50, 12), 0},
};
INSTANTIATE_TEST_SUITE_P(Cases, ButtonMouseTest, ::testing::ValuesIn(mouseCases), CaseName());

TEST_F(ButtonTest, SpaceShowsThePressAndClicksOnKeyUpButAStrayMouseUpDoesNot)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->shownState(), ControlState::Pressed);
    EXPECT_EQ(clicks->count(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
    EXPECT_EQ(clicks->count(), 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks->count(), 1);
    EXPECT_EQ(button->shownState(), ControlState::Hot);
}

struct KeyCase {
    const char* name;
    bool isDefault;
    bool focusOnButton;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int clicks;
};

class ButtonKeyTest : public ButtonTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ButtonKeyTest, EnterClicksTheDefaultButtonOnlyWithoutShiftCtrlOrAlt)
{
    const KeyCase& c = GetParam();
    button->setDefault(c.isDefault);
    QWidget* target = c.focusOnButton ? static_cast<QWidget*>(button) : edit;
    target->setFocus();
    QTest::keyClick(target, c.key, c.modifiers);
    EXPECT_EQ(clicks->count(), c.clicks);
}

const KeyCase keyCases[] = {
    {"DefaultFromTheEdit", true, false, Qt::Key_Return, Qt::NoModifier, 1},
    {"DefaultKeypadEnter", true, false, Qt::Key_Enter, Qt::KeypadModifier, 1},
    {"DefaultWithShift", true, false, Qt::Key_Return, Qt::ShiftModifier, 0},
    {"DefaultWithCtrl", true, false, Qt::Key_Return, Qt::ControlModifier, 0},
    {"DefaultWithAlt", true, false, Qt::Key_Return, Qt::AltModifier, 0},
    {"DefaultFocused", true, true, Qt::Key_Return, Qt::NoModifier, 1},
    {"DefaultFocusedWithCtrl", true, true, Qt::Key_Return, Qt::ControlModifier, 0},
    {"NotDefault", false, false, Qt::Key_Return, Qt::NoModifier, 0},
    {"NotDefaultFocused", false, true, Qt::Key_Return, Qt::NoModifier, 0},
};
INSTANTIATE_TEST_SUITE_P(Cases, ButtonKeyTest, ::testing::ValuesIn(keyCases), CaseName());

TEST_F(ButtonTest, EscClicksACancelButton)
{
    button->setCancel(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(clicks->count(), 0);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(clicks->count(), 1);
}

TEST_F(ButtonTest, DefaultButtonLooksHotUntilAnotherButtonTakesTheFocus)
{
    button->setDefault(true);
    edit->setFocus();
    EXPECT_EQ(button->shownState(), ControlState::Hot);
    auto* other = new TsButton(window.get());
    other->setGeometry(150, 10, 105, 25);
    other->show();
    other->setFocus();
    EXPECT_EQ(button->shownState(), ControlState::Normal);
}

struct DisabledCase {
    const char* name;
    TsDisabledKind kind;
    bool redTint;
};

class ButtonDisabledTest : public ButtonTest, public ::testing::WithParamInterface<DisabledCase> {};

// The window is red: blending lets it through, greying afterwards would wash it out again.
TEST_P(ButtonDisabledTest, DisabledLookIsGreyedFirstThenBlendedWithTheParent)
{
    const DisabledCase& c = GetParam();
    button->setDisabledKind(c.kind);
    button->setEnabled(false);
    const QColor middle = face().pixelColor(20, 12);
    if (c.redTint) {
        EXPECT_GT(middle.red(), middle.green() + 40);
        EXPECT_EQ(middle.green(), middle.blue());
    } else {
        EXPECT_EQ(middle.red(), middle.green());
        EXPECT_EQ(middle.green(), middle.blue());
    }
}

const DisabledCase disabledCases[] = {
    {"GreyedAndBlended", TsDisabledKind(dkGrayed | dkBlended), true},
    {"GreyedOnly", dkGrayed, false},
};
INSTANTIATE_TEST_SUITE_P(Cases, ButtonDisabledTest, ::testing::ValuesIn(disabledCases), CaseName());

TEST_F(ButtonTest, HoverFadesWithoutRepaintingTheFaceAndAPressStopsTheFade)
{
    face();
    const int rebuilds = button->cacheRebuilds();
    QEnterEvent enter(QPointF(50, 12), QPointF(50, 12), button->mapToGlobal(QPointF(50, 12)));
    QCoreApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->fading());
    EXPECT_EQ(button->cacheRebuilds(), rebuilds + 1);
    QTest::qWait(60);
    EXPECT_EQ(button->cacheRebuilds(), rebuilds + 1);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 12));
    EXPECT_FALSE(button->fading());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 12));
    EXPECT_EQ(clicks->count(), 1);
}

} // namespace
