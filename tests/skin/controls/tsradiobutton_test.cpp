#include "skin/controls/tsradiobutton.h"
#include "skin/core/skininforce.h"
#include "skin/core/stateimage.h"

#include "platform/colors.h"

#include "tests/skin/controls/ferroluxparent.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QSize buttonSize(80, 20);

class RadioButtonTest : public FerroluxParent {
protected:
    TsRadioButton* makeButton(const QString& caption = QString())
    {
        auto* button = new TsRadioButton(&parent);
        button->setText(caption);
        button->setAutoSize(false);
        button->setGeometry(QRect(QPoint(10, 10), buttonSize));
        return button;
    }
};

// The section's plain fill takes the colour of what the button stands on.
TEST_F(RadioButtonTest, BackgroundTakesTheParentsColour)
{
    TsRadioButton* button = makeButton();
    const QImage face = button->skinImage();
    EXPECT_EQ(rgbAt(face, QPoint(buttonSize.width() - 1, 0)), parentRgb);
}

struct GlyphCase {
    std::string name;
    bool checked;
    bool hot;
    bool pressed;
    bool readOnly;
    ControlState state; // of the skin's check mark
};

class RadioGlyph : public RadioButtonTest, public ::testing::WithParamInterface<GlyphCase> {};

// The check mark is the skin's picture for the checked state, in its normal, hot or pressed image;
// a read-only button never looks hot.
TEST_P(RadioGlyph, ShowsTheSkinsCheckMarkForTheState)
{
    const GlyphCase& c = GetParam();
    TsRadioButton* button = makeButton();
    button->setChecked(c.checked);
    button->setReadOnly(c.readOnly);
    button->SkinData.setMouseAbove(c.hot);
    button->setDown(c.pressed);

    const TsCommonIndexes& common = skinInForce()->commonIndexes;
    const int mask = c.checked ? common.radioChecked : common.radioUnchecked;
    ASSERT_TRUE(skinInForce()->isValidMaskIndex(mask));
    const QRect glyph = button->glyphRect();
    EXPECT_EQ(glyph.size(), skinInForce()->stateImageSize(mask));
    QImage expected(buttonSize, QImage::Format_BGR888);
    expected.fill(QColor(parentRgb));
    paintStateImage(*skinInForce(), expected, glyph.topLeft(), c.state, skinInForce()->masks[mask]);
    EXPECT_EQ(button->skinImage().copy(glyph), expected.copy(glyph));
}

INSTANTIATE_TEST_SUITE_P(
    RadioButton, RadioGlyph,
    ::testing::Values(GlyphCase{"unchecked", false, false, false, false, ControlState::Normal},
                      GlyphCase{"checked", true, false, false, false, ControlState::Normal},
                      GlyphCase{"hot", true, true, false, false, ControlState::Hot},
                      GlyphCase{"hot but read only", false, true, false, true, ControlState::Normal},
                      GlyphCase{"pressed", false, false, true, false, ControlState::Pressed},
                      GlyphCase{"pressed while hot", true, true, true, false, ControlState::Pressed}),
    CaseName());

struct PlaceCase {
    std::string name;
    QSize userGlyph; // empty: none
    bool skinMarks;
    Qt::LayoutDirection direction;
    QRect place;
};

class RadioGlyphPlace : public RadioButtonTest, public ::testing::WithParamInterface<PlaceCase> {};

// An own checked picture holds three images over a mask half; without it the skin's mark is used;
// with neither, the face keeps a 16 x 16 place at its corner.
TEST_P(RadioGlyphPlace, StandsAtTheMarginCentredDownTheButton)
{
    const PlaceCase& c = GetParam();
    if (!c.skinMarks) {
        SkinTables skin = *skinInForce();
        skin.commonIndexes.radioChecked = -1;
        skin.commonIndexes.radioUnchecked = -1;
        putSkinInForce(skin);
    }
    TsRadioButton* button = makeButton(QStringLiteral("B"));
    button->setLayoutDirection(c.direction);
    if (!c.userGlyph.isEmpty()) {
        QImage glyph(c.userGlyph, QImage::Format_BGR888);
        glyph.fill(Qt::black);
        button->setGlyphChecked(glyph);
    }
    EXPECT_EQ(button->glyphRect(), c.place);
}

INSTANTIATE_TEST_SUITE_P(
    RadioButton, RadioGlyphPlace,
    ::testing::Values(PlaceCase{"skin mark", {}, true, Qt::LeftToRight, QRect(2, 3, 15, 13)},
                      PlaceCase{"skin mark right to left", {}, true, Qt::RightToLeft, QRect(63, 3, 15, 13)},
                      PlaceCase{"own picture", QSize(30, 20), true, Qt::LeftToRight, QRect(2, 5, 10, 10)},
                      PlaceCase{"own picture without skin marks", QSize(30, 20), false, Qt::LeftToRight,
                                QRect(2, 5, 10, 10)},
                      PlaceCase{"no glyph at all", {}, false, Qt::RightToLeft, QRect(0, 0, 16, 16)}),
    CaseName());

struct OwnPictureCase {
    std::string name;
    bool checked;
    bool ownUnchecked;
    bool ownDrawn; // else the skin's mark of the state
};

class RadioOwnPicture : public RadioButtonTest, public ::testing::WithParamInterface<OwnPictureCase> {};

// A checked button draws its own checked picture; an unchecked one its own unchecked picture when
// it has one, else the skin's unchecked mark, both in the checked picture's place.
TEST_P(RadioOwnPicture, DrawsTheOwnPictureOfTheStateOrTheSkinsMark)
{
    const OwnPictureCase& c = GetParam();
    TsRadioButton* button = makeButton();
    QImage checkedPicture(30, 20, QImage::Format_BGR888);
    checkedPicture.fill(Qt::black);
    // Red images over a black mask half: wholly shown.
    QImage uncheckedPicture = checkedPicture.copy();
    QPainter(&uncheckedPicture).fillRect(0, 0, 30, 10, Qt::red);
    button->setGlyphChecked(checkedPicture);
    if (c.ownUnchecked)
        button->setGlyphUnChecked(uncheckedPicture);
    button->setChecked(c.checked);

    const QRect place = button->glyphRect();
    QImage expected(buttonSize, QImage::Format_BGR888);
    expected.fill(QColor(parentRgb));
    if (c.ownDrawn) {
        TsMaskData own;
        own.image = c.checked ? checkedPicture : uncheckedPicture;
        paintStateImage(*skinInForce(), expected, place.topLeft(), ControlState::Normal, own);
    } else {
        paintStateImage(*skinInForce(), expected, place.topLeft(), ControlState::Normal,
                        skinInForce()->masks[skinInForce()->commonIndexes.radioUnchecked]);
    }
    EXPECT_EQ(button->skinImage().copy(place), expected.copy(place));
}

INSTANTIATE_TEST_SUITE_P(RadioButton, RadioOwnPicture,
                         ::testing::Values(OwnPictureCase{"checked", true, false, true},
                                           OwnPictureCase{"unchecked with its own picture", false, true, true},
                                           OwnPictureCase{"unchecked without", false, false, false}),
                         CaseName());

enum class Input { PressInside, ReleaseOutside, ReleaseInside, SpaceDown, SpaceUp, MouseLeaves };

struct InputCase {
    std::string name;
    bool skinned;
    bool readOnly;
    QList<Input> inputs;
    bool checked;
};

class RadioInput : public RadioButtonTest, public ::testing::WithParamInterface<InputCase> {};

// A skinned button pressed stays pressed wherever the mouse goes, so that its release checks it;
// the platform's button checks only when released over it. A read-only button ignores the user,
// and a space held while the mouse leaves no longer checks.
TEST_P(RadioInput, ChecksOnTheReleaseOfAPress)
{
    const InputCase& c = GetParam();
    if (!c.skinned)
        managers.front()->setActive(false);
    TsRadioButton* button = makeButton(QStringLiteral("Ответ"));
    button->setReadOnly(c.readOnly);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(button, &TsRadioButton::clicked);
    const QPoint inside(5, buttonSize.height() / 2);
    for (const Input input : c.inputs) {
        switch (input) {
        case Input::PressInside: QTest::mousePress(button, Qt::LeftButton, {}, inside); break;
        case Input::ReleaseOutside:
            QTest::mouseMove(button, QPoint(-30, 40));
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 40));
            break;
        case Input::ReleaseInside: QTest::mouseRelease(button, Qt::LeftButton, {}, inside); break;
        case Input::SpaceDown: QTest::keyPress(button, Qt::Key_Space); break;
        case Input::SpaceUp: QTest::keyRelease(button, Qt::Key_Space); break;
        case Input::MouseLeaves: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            break;
        }
        }
    }
    EXPECT_EQ(button->isChecked(), c.checked);
    EXPECT_EQ(clicks.size(), c.checked ? 1 : 0);
    EXPECT_FALSE(button->isDown());
}

INSTANTIATE_TEST_SUITE_P(
    RadioButton, RadioInput,
    ::testing::Values(
        InputCase{"click", true, false, {Input::PressInside, Input::ReleaseInside}, true},
        InputCase{"released outside", true, false, {Input::PressInside, Input::ReleaseOutside}, true},
        InputCase{"released outside without skin", false, false, {Input::PressInside, Input::ReleaseOutside}, false},
        InputCase{"read only click", true, true, {Input::PressInside, Input::ReleaseInside}, false},
        InputCase{"space", true, false, {Input::SpaceDown, Input::SpaceUp}, true},
        InputCase{"read only space", true, true, {Input::SpaceDown, Input::SpaceUp}, false},
        InputCase{"read only space without skin", false, true, {Input::SpaceDown, Input::SpaceUp}, false},
        InputCase{"space while the mouse leaves",
                  true,
                  false,
                  {Input::SpaceDown, Input::MouseLeaves, Input::SpaceUp},
                  false}),
    CaseName());

// Screen readers meet the platform's radio button, skinned or not.
TEST_F(RadioButtonTest, ScreenReadersSeeARadioButtonWithItsCaption)
{
    TsRadioButton* button = makeButton(QStringLiteral("Ответ"));
    button->setChecked(true);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::RadioButton);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Ответ"));
    EXPECT_TRUE(access->state().checked);
}

} // namespace
