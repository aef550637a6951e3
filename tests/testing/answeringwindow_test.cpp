#include "data/connection.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tests/testing/testingcourse.h"
#include "tests/support/casename.h"
#include "tests/support/lockedcourse.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString shownText()
{
    return Form5->sMemo1->toPlainText();
}

// With a bank of 30 the first test draws 26, 6, 8, 20, 9, 5, 11, ... for positions 1 to 7.
TEST(AnsweringWindow, AnAnswerIsStoredAndShownAgainWhenThePositionComesBack)
{
    TestingCourse run(30);
    run.startTest();
    run.choosePosition(7);
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №7"));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 11"));
    EXPECT_EQ(run.checkedAnswer(), -1);

    run.chooseAnswer(2);
    run.choosePosition(3);
    EXPECT_EQ(run.checkedAnswer(), -1);
    EXPECT_EQ(run.column(QStringLiteral("SELECT otv FROM testing WHERE nom = '7'")), QStringList{"C"});

    run.choosePosition(7);
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №7"));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 11"));
    EXPECT_EQ(run.checkedAnswer(), 2);
    EXPECT_EQ(Form5->sRadioGroup1->itemIndex(), 2);
    EXPECT_TRUE(run.boxes.empty());
}

TEST(AnsweringWindow, ChoosingAnotherLetterReplacesTheAnswer)
{
    TestingCourse run(30);
    run.startTest();
    run.choosePosition(4);
    run.chooseAnswer(0);
    run.chooseAnswer(4);
    run.choosePosition(5);
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom, otv FROM testing WHERE otv IS NOT NULL")), QStringList{"4|E"});
}

TEST(AnsweringWindow, ANumberWithoutQuestionShowsTheCurrentQuestionRecord)
{
    // No draw from 0 to 30 can name a question numbered above 100, so the draws stand as drawn.
    TestingCourse run(30, QStringLiteral("A"), QStringLiteral("UPDATE test SET nom = nom + 100"));
    run.startTest();
    // Drawing advanced the bank's cursor by one record per entry: it stands on the 21st question.
    run.choosePosition(1);
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 21"));
    run.choosePosition(3);
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №3"));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 21"));
    EXPECT_TRUE(run.boxes.empty());
}

TEST(AnsweringWindow, LettersCannotBeChosenBeforeAPositionIsShown)
{
    TestingCourse run(30);
    run.startTest();
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопросы:"));
    EXPECT_FALSE(Form5->sRadioGroup1->isEnabled());
    run.chooseAnswer(1);
    run.choosePosition(20);
    EXPECT_EQ(run.column(QStringLiteral("SELECT count(*) FROM testing WHERE otv IS NOT NULL")), QStringList{"0"});
    EXPECT_TRUE(Form5->sRadioGroup1->isEnabled());
}

// How far the darkest pixel of a letter's caption lies below the mean grey of the face's right
// edge, where only the background shows.
int captionContrast(TsGroupButton* letter)
{
    const QImage face = letter->skinImage().convertToFormat(QImage::Format_RGB32);
    int background = 0;
    for (int y = 0; y < face.height(); ++y)
        background += qGray(face.pixel(face.width() - 1, y));
    background /= std::max(face.height(), 1);
    int darkest = 255;
    for (int x = letter->glyphRect().right() + 1; x < face.width(); ++x)
        for (int y = 0; y < face.height(); ++y)
            darkest = std::min(darkest, qGray(face.pixel(x, y)));
    return background - darkest;
}

// Before a position is shown the letters are disabled: they look it, and still read clearly on the
// silver of the box.
TEST(AnsweringWindow, DisabledLettersStayReadable)
{
    TestingCourse run(30);
    run.startTest();
    TsGroupButton* letter = Form5->sRadioGroup1->buttons()[1];
    ASSERT_TRUE(letter->SkinData.skinned());
    ASSERT_FALSE(letter->isEnabled());
    const QImage disabled = letter->skinImage();
    EXPECT_GE(captionContrast(letter), 64);
    run.choosePosition(1);
    ASSERT_TRUE(letter->isEnabled());
    EXPECT_NE(letter->skinImage(), disabled);
}

TEST(AnsweringWindow, AFailedMoveKeepsTheWindowOnTheShownPositionAndItsAnswer)
{
    TestingCourse run(30);
    run.startTest();
    run.choosePosition(10);
    const QString question10 = shownText();
    run.chooseAnswer(1);
    {
        LockedCourse lock(*DataModule2->ADOConnection1);
        for (int position : {11, 12}) {
            run.choosePosition(position);
            EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №10"));
            EXPECT_EQ(Form5->sTreeView1->currentItem()->text(0), QStringLiteral("10"));
            ASSERT_EQ(Form5->sTreeView1->selectedItems().size(), 1);
            EXPECT_EQ(Form5->sTreeView1->selectedItems()[0]->text(0), QStringLiteral("10"));
            EXPECT_EQ(shownText(), question10);
        }
        run.chooseAnswer(2); // changes the answer of question 10, still on screen
        EXPECT_EQ(run.boxes.texts(), QStringList(2, QStringLiteral("database is locked.")));
    }
    run.choosePosition(11);
    run.chooseAnswer(3);
    run.choosePosition(10);
    EXPECT_EQ(run.checkedAnswer(), 2);
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom || otv FROM testing WHERE otv IS NOT NULL ORDER BY rowid")),
              (QStringList{"10C", "11D"}));
}

TEST(AnsweringWindow, AReadOnlyCourseSaysSoOnceAndStartsNoTest)
{
    TestingCourse run(30);
    DataModule2->ADOConnection1->open(QStringLiteral("db1.mdb"), Connection::Mode::ReadOnly);
    run.startTest();
    EXPECT_EQ(run.boxes.texts(), QStringList{TForm4::readOnlyCourseMessage});
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(run.column(QStringLiteral("SELECT count(*) FROM testing")), QStringList{"0"});
}

TEST(AnsweringWindow, AHandInWhoseResultIsNotStoredSaysSo)
{
    TestingCourse run(30);
    run.startTest(QStringLiteral("Иванов"));
    run.choosePosition(1);
    run.chooseAnswer(0);
    run.choosePosition(2);
    {
        LockedCourse lock(*DataModule2->ADOConnection1);
        run.handIn();
    }
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_EQ(Form6->windowTitle(), TForm6::notStoredCaption);
    EXPECT_EQ(run.boxes.texts(), QStringList{QStringLiteral("database is locked.")});
    DataModule2->ADOTable6->first();
    EXPECT_EQ(run.column(QStringLiteral("SELECT count(*) FROM result")), QStringList{"0"});

    run.startTest(QStringLiteral("Иванов"));
    run.handIn();
    EXPECT_EQ(Form6->windowTitle(), QStringLiteral("Результаты тестирования"));
    EXPECT_EQ(run.column(QStringLiteral("SELECT fio FROM result")), QStringList{"Иванов"});
}

TEST(AnsweringWindow, TabLeavesTheReadOnlyQuestionTextForTheLetters)
{
    TestingCourse run(30);
    run.startTest();
    run.choosePosition(3);
    Form5->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form5));
    Form5->sMemo1->setFocus();
    QTest::keyClicks(Form5->sMemo1, QStringLiteral("x"));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 8"));
    QTest::keyClick(Form5->sMemo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(Form5->sRadioGroup1->buttons()[0]));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 8"));
}

TEST(AnsweringWindow, ListTextAndLettersHaveNamesForScreenReaders)
{
    TestingCourse run(30);
    const std::pair<QWidget*, QString> named[] = {
        {Form5->sTreeView1, QStringLiteral("Вопросы теста")},
        {Form5->sMemo1, QStringLiteral("Текст вопроса")},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name)
            << widget->objectName().toStdString();
}

// Entries put in by hand, as another program could have stored them.
struct BadEntry {
    const char* name;
    QString entry;
    QString message;
};

class AnsweringWindowBadEntry : public ::testing::TestWithParam<BadEntry> {};

TEST_P(AnsweringWindowBadEntry, StopsWithTheConversionMessageAndKeepsWhatWasShown)
{
    TestingCourse run(5, QStringLiteral("A"),
                      QStringLiteral("UPDATE test SET test = NULL WHERE nom = 5;"
                                     "INSERT INTO testing VALUES ('1', 2, 'D'), ('2', 3, 'a'), ")
                          + GetParam().entry);
    ASSERT_TRUE(run.started());
    Form5->show();
    for (const char* caption : {"1", "2", "3"})
        Form5->sTreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromUtf8(caption))));
    // Failing on the first position leaves nothing shown and no letter to choose.
    run.choosePosition(3);
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопросы:"));
    EXPECT_FALSE(Form5->sRadioGroup1->isEnabled());

    run.choosePosition(1);
    ASSERT_EQ(shownText(), QStringLiteral("Вопрос 2"));
    ASSERT_EQ(run.checkedAnswer(), 3);

    run.choosePosition(3);
    EXPECT_EQ(run.boxes.texts(), QStringList(2, GetParam().message));
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №1"));
    EXPECT_EQ(Form5->sTreeView1->currentItem()->text(0), QStringLiteral("1"));
    EXPECT_EQ(shownText(), QStringLiteral("Вопрос 2"));
    EXPECT_EQ(run.checkedAnswer(), 3);

    // The cursor of the test set moved to position 3 before the failure; a letter chosen now
    // still belongs to position 1, which is on screen.
    run.chooseAnswer(1);
    run.handIn();
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom || '=' || ifnull(otv, '-') FROM testing ORDER BY rowid")),
              (QStringList{"1=B", "2=a", QStringLiteral("3=-")}));
}

INSTANTIATE_TEST_SUITE_P(Entries, AnsweringWindowBadEntry,
                         ::testing::Values(BadEntry{"NullNumber", "('3', NULL, NULL)",
                                                    "Could not convert variant of type (Null) into type (String)"},
                                           BadEntry{"TextNumber", "('3', 'zwei', NULL)",
                                                    "'zwei' is not a valid integer value."},
                                           BadEntry{"NullQuestionText", "('3', 5, NULL)",
                                                    "Could not convert variant of type (Null) into type (String)"}),
                         CaseName());

TEST(AnsweringWindow, OnlyAStoredCapitalLetterSelectsAChoice)
{
    TestingCourse run(
        5, QStringLiteral("A"),
        QStringLiteral("INSERT INTO testing VALUES ('1', 2, 'a'), ('2', 3, ' '), ('3', 4, 'E'), ('4', 1, '')"));
    Form5->show();
    for (const char* caption : {"1", "2", "3", "4"})
        Form5->sTreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromUtf8(caption))));
    const int expected[] = {-1, -1, 4, -1};
    for (int position = 1; position <= 4; ++position) {
        run.choosePosition(position);
        EXPECT_EQ(run.checkedAnswer(), expected[position - 1]) << "position " << position;
    }
    run.choosePosition(1);
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom || '=' || otv FROM testing ORDER BY rowid")),
              (QStringList{"1=a", "2= ", "3=E", "4="}));
    EXPECT_TRUE(run.boxes.empty());
}

TEST(AnsweringWindow, EmptyingTheListForANewTestShowsNothingNewAndDisablesTheLetters)
{
    TestingCourse run(30);
    run.startTest();
    run.choosePosition(5);
    ASSERT_TRUE(Form5->sRadioGroup1->isEnabled());
    Form5->sTreeView1->clear();
    EXPECT_FALSE(Form5->sRadioGroup1->isEnabled());
    EXPECT_TRUE(run.boxes.empty());
}

} // namespace

namespace {

TEST(AnsweringWindow, TheFirstEntryIsShownAndMarkedWhenTheListGetsTheFocus)
{
    TestingCourse run(30);
    run.startTest();
    Form5->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form5));
    ASSERT_EQ(QApplication::focusWidget(), Form5->sTreeView1);
    EXPECT_EQ(Form5->Label1->text(), QStringLiteral("Вопрос №1"));
    ASSERT_EQ(Form5->sTreeView1->selectedItems().size(), 1);
    EXPECT_EQ(Form5->sTreeView1->selectedItems()[0]->text(0), QStringLiteral("1"));
}

} // namespace
