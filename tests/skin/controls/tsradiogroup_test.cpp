#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"

#include "platform/apperror.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void clickItem(TsRadioGroup& group, int item)
{
    TsRadioButton* button = group.buttons()[item];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

const QStringList letters{"A", "B", "C", "D", "E"};

QList<bool> checkedStates(const TsRadioGroup& group)
{
    QList<bool> states;
    for (const TsRadioButton* button : group.buttons())
        states.append(button->isChecked());
    return states;
}

TEST(TsRadioGroup, ArrangesFiveItemsInFiveColumnsOfOneRow)
{
    TsRadioGroup group;
    group.resize(601, 57);
    group.setColumns(5);
    group.setItems(letters);
    const int textHeight = QFontMetrics(group.font()).height();
    for (int item = 0; item < 5; ++item) {
        EXPECT_EQ(group.buttons()[item]->geometry(), QRect(8 + item * 118, textHeight + 3, 118, 57 - textHeight - 5))
            << "item " << item;
        EXPECT_EQ(group.buttons()[item]->text(), letters[item]);
        EXPECT_FALSE(group.buttons()[item]->isHidden());
    }
}

struct PlacesCase {
    std::string name;
    int count;
    int columns;
    QSize size;
    Qt::LayoutDirection direction;
    QList<QRect> places;
};

class RadioGroupPlaces : public ::testing::TestWithParam<PlacesCase> {};

// With a font 13 pixels high: equal cells from x = 8 below the caption line, the rows' leftover
// height split above and below, columns mirrored right to left.
TEST_P(RadioGroupPlaces, FillEqualCellsColumnByColumn)
{
    const PlacesCase& c = GetParam();
    EXPECT_EQ(TsRadioGroup::itemPlaces(c.count, c.columns, c.size, 13, c.direction), c.places);
}

INSTANTIATE_TEST_SUITE_P(
    TsRadioGroup, RadioGroupPlaces,
    ::testing::Values(
        PlacesCase{"five letters in one row",
                   5,
                   5,
                   {601, 57},
                   Qt::LeftToRight,
                   {{8, 16, 118, 39}, {126, 16, 118, 39}, {244, 16, 118, 39}, {362, 16, 118, 39}, {480, 16, 118, 39}}},
        PlacesCase{"three rows in two columns",
                   5,
                   2,
                   {210, 101},
                   Qt::LeftToRight,
                   {{8, 17, 100, 27}, {8, 44, 100, 27}, {8, 71, 100, 27}, {108, 17, 100, 27}, {108, 44, 100, 27}}},
        PlacesCase{
            "right to left", 3, 3, {130, 50}, Qt::RightToLeft, {{82, 16, 40, 32}, {42, 16, 40, 32}, {2, 16, 40, 32}}},
        PlacesCase{"no items", 0, 5, {601, 57}, Qt::LeftToRight, {}}),
    CaseName());

TEST(TsRadioGroup, ArrangesItemsDownTheColumnsFirst)
{
    TsRadioGroup group;
    group.resize(210, 100);
    group.setItems(letters);
    group.setColumns(2);
    const int textHeight = QFontMetrics(group.font()).height();
    const int inner = 100 - textHeight - 5;
    const int rowHeight = inner / 3;
    const int top = textHeight + 3 + inner % 3 / 2;
    const QList<QPoint> places{
        {8, top}, {8, top + rowHeight}, {8, top + 2 * rowHeight}, {108, top}, {108, top + rowHeight}};
    for (int item = 0; item < 5; ++item)
        EXPECT_EQ(group.buttons()[item]->pos(), places[item]) << "item " << item;
}

TEST(TsRadioGroup, KeepsColumnsAndItemIndexInRange)
{
    TsRadioGroup group;
    group.setItems(letters);
    const std::pair<int, int> columns[] = {{0, 1}, {17, 16}, {-3, 1}, {5, 5}};
    for (auto [set, kept] : columns) {
        group.setColumns(set);
        EXPECT_EQ(group.columns(), kept) << "columns " << set;
    }
    const std::pair<int, int> indexes[] = {{99, 4}, {-7, -1}, {2, 2}};
    for (auto [set, kept] : indexes) {
        group.setItemIndex(set);
        EXPECT_EQ(group.itemIndex(), kept) << "item index " << set;
    }
}

TEST(TsRadioGroup, SettingTheItemFromCodeClicksLikeTheUserButClearingDoesNot)
{
    TsRadioGroup group;
    group.setItems(letters);
    QSignalSpy clicks(&group, &TsRadioGroup::itemClicked);
    QSignalSpy changes(&group, &TsRadioGroup::changed);

    group.setItemIndex(1);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(changes.size(), 1);
    group.setItemIndex(3);
    EXPECT_EQ(checkedStates(group), (QList<bool>{false, false, false, true, false}));
    EXPECT_EQ(clicks.size(), 2);
    group.setItemIndex(3);
    EXPECT_EQ(clicks.size(), 2);

    group.setItemIndex(-1);
    EXPECT_EQ(checkedStates(group), QList<bool>(5, false));
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_EQ(changes.size(), 2);
}

TEST(TsRadioGroup, AUsersClickChoosesTheItem)
{
    TsRadioGroup group;
    group.resize(601, 57);
    group.setColumns(5);
    group.setItems(letters);
    group.show();
    QSignalSpy clicks(&group, &TsRadioGroup::itemClicked);
    int indexSeen = -2;
    QObject::connect(&group, &TsRadioGroup::itemClicked, [&] { indexSeen = group.itemIndex(); });

    clickItem(group, 2);
    EXPECT_EQ(indexSeen, 2);
    clickItem(group, 0);
    EXPECT_EQ(indexSeen, 0);
    EXPECT_EQ(checkedStates(group), (QList<bool>{true, false, false, false, false}));
    // A click on the item already chosen changes nothing and reports nothing.
    clickItem(group, 0);
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_EQ(group.itemIndex(), 0);
}

TEST(TsRadioGroup, ANewItemListKeepsTheChoiceWithinItWithoutAClick)
{
    TsRadioGroup group;
    group.setItems(letters);
    group.setItemIndex(4);
    QSignalSpy clicks(&group, &TsRadioGroup::itemClicked);

    group.setItems({"X", "Y", "Z"});
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(checkedStates(group), (QList<bool>{false, false, true}));
    EXPECT_EQ(group.buttons().size(), 3);
    group.setItems({"X", "Y", "Z", "W"});
    EXPECT_EQ(checkedStates(group), (QList<bool>{false, false, true, false}));
    EXPECT_EQ(clicks.size(), 0);
}

// A handler that chooses another item while the user's choice is reported gets that item checked
// without a second report inside the first; a handler that fails shows its message and leaves
// the user's choice standing.
TEST(TsRadioGroup, AChoiceIsReportedOnceAndItsHandlersFailuresAreShown)
{
    for (const bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "failing handler" : "handler choosing again");
        MessageRecorder boxes;
        TsRadioGroup group;
        group.resize(601, 57);
        group.setColumns(5);
        group.setItems(letters);
        group.show();
        int reports = 0;
        QObject::connect(&group, &TsRadioGroup::itemClicked, [&] {
            ++reports;
            if (failing)
                throw AppError(QStringLiteral("Ответ не сохранён."));
            group.setItemIndex(4);
        });

        clickItem(group, 1);
        EXPECT_EQ(reports, 1);
        EXPECT_EQ(group.itemIndex(), failing ? 1 : 4);
        EXPECT_EQ(checkedStates(group), (QList<bool>{false, failing, false, false, !failing}));
        EXPECT_EQ(boxes.texts(), failing ? QStringList{QStringLiteral("Ответ не сохранён.")} : QStringList());
    }
}

} // namespace
