#include "data/table.h"
#include "data/tdatamodule2.h"
#include "skin/controls/tsedit.h"
#include "platform/usersettings.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "tests/testing/testingcourse.h"
#include "tests/support/casename.h"

#include <QSet>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

QStringList numbers(std::initializer_list<int> values)
{
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts;
}

QStringList oneToTwenty()
{
    QStringList texts;
    for (int position = 1; position <= 20; ++position)
        texts.append(QString::number(position));
    return texts;
}

const QString drawnSql = QStringLiteral("SELECT nom1 FROM testing ORDER BY rowid");

struct DrawCase {
    const char* name;
    int bankSize; // questions numbered 1 .. bankSize, renumbered by sql
    QString sql;
    QStringList firstTest;
};

class FirstTestDraws : public ::testing::TestWithParam<DrawCase> {};

TEST_P(FirstTestDraws, FollowTheProgramWideSequenceFromItsStart)
{
    TestingCourse run(GetParam().bankSize, QStringLiteral("A"), GetParam().sql);
    ASSERT_TRUE(run.started());
    run.startTest();
    EXPECT_EQ(run.column(drawnSql), GetParam().firstTest);
    EXPECT_EQ(run.positions(), oneToTwenty());
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.texts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Banks, FirstTestDraws,
    ::testing::Values(
        // The sequence runs 0, 3, 86, ...: the 0 names no question and is drawn again.
        DrawCase{
            "Hundred", 100, {}, numbers({3, 86, 20, 27, 67, 32, 16, 37, 42, 8, 47, 7, 84, 6, 29, 92, 37, 78, 33, 70})},
        DrawCase{"Thirty", 30, {}, numbers({26, 6, 8, 20, 9, 5, 11, 13, 2, 14, 2, 26, 1, 9, 28, 11, 24, 10, 21, 26})},
        DrawCase{"NumberedFromZero", 30, QStringLiteral("UPDATE test SET nom = nom - 1"),
                 numbers({0, 0, 26, 6, 8, 20, 9, 5, 11, 13, 2, 14, 2, 26, 1, 9, 28, 11, 24, 10})},
        DrawCase{"NoNumberInReach", 30, QStringLiteral("UPDATE test SET nom = nom + 100"),
                 numbers({0, 0, 26, 6, 8, 20, 9, 5, 11, 13, 2, 14, 2, 26, 1, 9, 28, 11, 24, 10})},
        DrawCase{"Empty", 0, {}, QStringList(20, QStringLiteral("0"))}),
    CaseName());

TEST(RegistrationWindow, SecondTestOfARunDrawsTheNextNumbersAndReplacesTheSet)
{
    TestingCourse run(100);
    run.startTest();
    run.choosePosition(4);
    run.chooseAnswer(1);
    run.startTest(QStringLiteral("Петров"));

    EXPECT_EQ(run.column(drawnSql),
              numbers({85, 72, 30, 16, 33, 47, 24, 83, 28, 48, 15, 88, 29, 78, 98, 49, 89, 83, 2, 14}));
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom FROM testing ORDER BY rowid")), oneToTwenty());
    EXPECT_EQ(run.column(QStringLiteral("SELECT count(*) FROM testing WHERE otv IS NOT NULL")), QStringList{"0"});
    EXPECT_EQ(run.positions(), oneToTwenty());
    EXPECT_EQ(DataModule2->ADOTable5->recordCount(), 20);
}

struct LeftoverCase {
    const char* name;
    QString sql;
};

class LeftoverSet : public ::testing::TestWithParam<LeftoverCase> {};

TEST_P(LeftoverSet, IsReplacedByExactlyTwentyEntries)
{
    TestingCourse run(30, QStringLiteral("A"), GetParam().sql);
    run.startTest();
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom || '|' || nom1 FROM testing ORDER BY rowid")).size(), 20);
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom FROM testing ORDER BY rowid")), oneToTwenty());
    EXPECT_EQ(run.positions(), oneToTwenty());
}

INSTANTIATE_TEST_SUITE_P(
    Sets, LeftoverSet,
    ::testing::Values(
        LeftoverCase{"Partial", "INSERT INTO testing VALUES ('1', 4, 'B'), ('2', 9, NULL), ('3', 1, 'C')"},
        LeftoverCase{"Oversized", "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 25) "
                                  "INSERT INTO testing SELECT k, k, 'A' FROM n"},
        LeftoverCase{"Damaged", "INSERT INTO testing VALUES (NULL, NULL, NULL), ('x', 'y', 'zz')"}),
    CaseName());

TEST(RegistrationWindow, StoresThePositionAsTextAndTheDrawnNumberAsWholeNumber)
{
    TestingCourse run(100);
    run.startTest();
    EXPECT_EQ(run.column(QStringLiteral("SELECT DISTINCT typeof(nom) || ' ' || typeof(nom1) || ' ' || typeof(otv) "
                                        "FROM testing")),
              QStringList{"text integer null"});
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom FROM testing WHERE rowid = (SELECT min(rowid) FROM testing) + 6")),
              QStringList{"7"});
}

TEST(RegistrationWindow, HidesItselfShowsTheAnsweringWindowAndKeepsTheName)
{
    TestingCourse run(30);
    run.startTest(QStringLiteral("Сидорова Анна"));
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_EQ(Form4->Edit1->text(), QStringLiteral("Сидорова Анна"));
}

TEST(RegistrationWindow, ANameLongerThanTheResultFieldIsRefusedAsItIsTyped)
{
    TestingCourse run(30);
    const QString longName = QStringList(40, QStringLiteral("Длинноимённый")).join(u' ');
    run.startTest(longName);
    EXPECT_EQ(Form4->Edit1->text(), longName.left(255));
    run.handIn();
    EXPECT_EQ(run.column(QStringLiteral("SELECT length(fio) FROM result")), QStringList{"255"});
}

} // namespace

// With the teacher's setting on, a single computer draws as a classroom session does: every run
// from a seed of its own, every question of a test a different one while the bank has enough.
class OwnDrawsPerRun : public ::testing::Test {
protected:
    OwnDrawsPerRun() { userSettings()->setValue(ownDrawsKey, true); }
    ~OwnDrawsPerRun() override { userSettings()->remove(ownDrawsKey); }

    static QStringList drawnInOneRun(int bankSize)
    {
        TestingCourse run(bankSize);
        run.startTest();
        return run.column(drawnSql);
    }

    static inline const QString ownDrawsKey = QStringLiteral("Testing/ownDrawsPerRun");
};

TEST_F(OwnDrawsPerRun, EachRunDrawsTwentyDifferentQuestionsOfItsOwn)
{
    const QStringList first = drawnInOneRun(30);
    const QStringList second = drawnInOneRun(30);
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), 20);
    EXPECT_EQ(QSet<QString>(second.begin(), second.end()).size(), 20);
    EXPECT_NE(first, second);
}

TEST_F(OwnDrawsPerRun, ABankSmallerThanATestGivesEveryQuestionThenRepeats)
{
    const QStringList drawn = drawnInOneRun(8);
    ASSERT_EQ(drawn.size(), 20);
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), 8);
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.begin() + 8).size(), 8);
}
