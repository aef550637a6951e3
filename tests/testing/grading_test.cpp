#include "data/fieldvalue.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "testing/grading.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tests/testing/testingcourse.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QDate>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// A test set of 20 entries for questions 1 .. 20 (all answered "A"), the first `correct` of them
// answered "A" and the others "B".
QString answeredSet(int correct)
{
    return QStringLiteral("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 20) "
                          "INSERT INTO testing SELECT k, k, CASE WHEN k <= %1 THEN 'A' ELSE 'B' END FROM n")
        .arg(correct);
}

struct Band {
    int correct;
    const char* mark;
    const char* text;
    const char* letter;
};

class GradeBands : public ::testing::TestWithParam<Band> {};

TEST_P(GradeBands, ShowAndStoreTheMarkAndTheLetterGrade)
{
    const Band& band = GetParam();
    TestingCourse run(20, QStringLiteral("A"), answeredSet(band.correct));
    Form5->show();
    Form5->sButton1Click();

    EXPECT_EQ(Form6->Edit1->text(), QStringLiteral("20"));
    EXPECT_EQ(Form6->Edit2->text(), QString::number(band.correct));
    EXPECT_EQ(Form6->Edit3->text(), QString::fromUtf8(band.mark));
    EXPECT_EQ(Form6->Edit4->text(), QString::fromUtf8(band.text));
    EXPECT_EQ(run.column(QStringLiteral("SELECT kol, ocenka FROM result")),
              QStringList{QStringLiteral("20|") + QString::fromUtf8(band.letter)});
    EXPECT_TRUE(run.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, GradeBands,
                         ::testing::Values(Band{0, "2", "F (0)", "F"}, Band{9, "2", "F (0)", "F"},
                                           Band{10, "3", "D (1.0)", "D"}, Band{11, "3", "D+ (1.33)", "D+"},
                                           Band{12, "3", "C- (1.67)", "C-"}, Band{13, "3", "C (2.0)", "C"},
                                           Band{14, "3", "C+ (2.33)", "C+"}, Band{15, "4", "B- (2.67)", "B-"},
                                           Band{16, "4", "B (3.0)", "B"}, Band{17, "4", "B+ (3.33)", "B+"},
                                           Band{18, "5", "A- (3.67)", "A-"}, Band{19, "5", "A (4.0)", "A"},
                                           Band{20, "5", "A (4.0)", "A"}),
                         [](const auto& info) { return std::to_string(info.param.correct); });

struct Comparison {
    const char* name;
    FieldValue given;
    FieldValue correct;
    bool counts;
};

class AnswerComparison : public ::testing::TestWithParam<Comparison> {};

TEST_P(AnswerComparison, IsExact)
{
    EXPECT_EQ(answersMatch(GetParam().given, GetParam().correct), GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(Pairs, AnswerComparison,
                         ::testing::Values(Comparison{"SameLetter", "C", "C", true},
                                           Comparison{"OtherLetter", "C", "D", false},
                                           Comparison{"LowerCase", "c", "C", false},
                                           Comparison{"TrailingBlank", "C ", "C", false},
                                           Comparison{"UnansweredAgainstLetter", FieldValue(), "A", false},
                                           Comparison{"UnansweredAgainstMissing", FieldValue(), FieldValue(), true},
                                           Comparison{"UnansweredAgainstEmpty", FieldValue(), "", false},
                                           Comparison{"EmptyAgainstMissing", "", FieldValue(), false}),
                         CaseName());

TEST(Grading, AStudentsWholeTestIsShownAndStored)
{
    // Bank of 30, all correct answers "E": the first test draws 26, 6, 8, 20, ...
    TestingCourse run(30, QStringLiteral("E"));
    run.startTest(QStringLiteral("Кузнецов Пётр"));
    run.choosePosition(3);
    run.chooseAnswer(4);
    run.choosePosition(4);
    run.chooseAnswer(0);
    run.chooseAnswer(4); // changed its mind, and hands in at once
    run.handIn();

    EXPECT_FALSE(Form5->isVisible());
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_EQ(Form6->Label1->text(), QStringLiteral("Кузнецов Пётр"));
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("2"));
    EXPECT_EQ(Form6->Edit3->text(), QStringLiteral("2"));
    EXPECT_EQ(Form6->Edit4->text(), QStringLiteral("F (0)"));
    EXPECT_EQ(
        run.column(QStringLiteral("SELECT fio, data, kol, ocenka, typeof(data) FROM result")),
        QStringList{QStringLiteral("Кузнецов Пётр|%1|20|F|text").arg(QDate::currentDate().toString(Qt::ISODate))});
    EXPECT_EQ(run.column(QStringLiteral("SELECT nom || otv FROM testing WHERE otv IS NOT NULL ORDER BY rowid")),
              (QStringList{"3E", "4E"}));
    EXPECT_TRUE(run.boxes.empty());
}

TEST(Grading, EachCountBoxStandsInTheGapOfItsLine)
{
    TestingCourse run(0);
    const struct {
        TsLabel* label;
        TsEdit* box;
        QString before;
        QString caption;
    } lines[] = {
        {Form6->Label2, Form6->Edit1, QStringLiteral("Всего"), QStringLiteral("Всего            вопроса (-ов)")},
        {Form6->Label3, Form6->Edit2, QStringLiteral("Вы ответили правильно на"),
         QStringLiteral("Вы ответили правильно на             вопроса (-ов)")},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(line.label->text(), line.caption);
        const QFontMetrics metrics(line.label->font());
        const int gapStart = line.label->x() + metrics.horizontalAdvance(line.before);
        const int gapEnd =
            gapStart + metrics.horizontalAdvance(line.caption.mid(line.before.size()).section(u'в', 0, 0));
        EXPECT_GE(line.box->x(), gapStart) << line.caption.toStdString();
        EXPECT_LE(line.box->geometry().right(), gapEnd) << line.caption.toStdString();
        EXPECT_TRUE(line.box->font().bold());
        EXPECT_EQ(line.box->palette().color(QPalette::Text), QColor(Qt::red));
    }
}

TEST(Grading, AnEmptyNameIsShownAndStoredAsEmpty)
{
    TestingCourse run(30);
    run.startTest(QString());
    run.handIn();
    EXPECT_EQ(Form6->Label1->text(), QString());
    EXPECT_EQ(run.column(QStringLiteral("SELECT typeof(fio), length(fio) FROM result")), QStringList{"text|0"});
}

TEST(Grading, UnansweredEntriesCountAgainstMissingCorrectAnswers)
{
    // Questions 1 .. 10 carry no correct answer; the set asks questions 1 .. 20, none answered.
    TestingCourse run(20, QStringLiteral("A"),
                      QStringLiteral("UPDATE test SET otv = NULL WHERE nom <= 10;") + answeredSet(0)
                          + QStringLiteral(";UPDATE testing SET otv = NULL"));
    Form5->show();
    Form5->sButton1Click();
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("10"));
    EXPECT_EQ(Form6->Edit4->text(), QStringLiteral("D (1.0)"));
}

TEST(Grading, ASetOfFewerThanTwentyEntriesComparesItsLastEntryAgain)
{
    TestingCourse run(5, QStringLiteral("A"),
                      QStringLiteral("INSERT INTO testing VALUES ('1', 1, 'A'), ('2', 2, 'B'), ('3', 3, 'A')"));
    Form5->show();
    Form5->sButton1Click();
    EXPECT_EQ(Form6->Edit1->text(), QStringLiteral("20"));
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("19"));
    EXPECT_EQ(run.column(QStringLiteral("SELECT kol, ocenka FROM result")), QStringList{"20|A"});
}

TEST(Grading, AQuestionDrawnTwiceCountsAtEachPosition)
{
    // Positions 1 and 2 both ask question 3; every other entry is wrong.
    TestingCourse run(20, QStringLiteral("A"),
                      answeredSet(0)
                          + QStringLiteral(";UPDATE testing SET nom1 = 3, otv = 'A' WHERE nom IN ('1', '2')"));
    Form5->show();
    Form5->sButton1Click();
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("2"));
}

TEST(Grading, TheResultWindowShowsTheWholeNameAndNamesItsBoxes)
{
    TestingCourse run(30);
    for (const QString& name :
         {QStringList(12, QStringLiteral("Константинопольская")).join(u' '), QStringLiteral("Ли")}) {
        run.startTest(name);
        run.handIn();
        EXPECT_EQ(Form6->Label1->text(), name);
        const QRect needed = Form6->Label1->fontMetrics().boundingRect(QRect(0, 0, Form6->Label1->width(), 10000),
                                                                       Qt::TextWordWrap, name);
        EXPECT_GE(Form6->Label1->height(), needed.height());
        // The lines below stay below the name, inside the window.
        EXPECT_GE(Form6->Label2->y(), Form6->Label1->geometry().bottom());
        EXPECT_LE(Form6->Edit4->mapTo(Form6, QPoint(0, Form6->Edit4->height())).y(), Form6->height());
    }
    const std::pair<TsEdit*, QString> named[] = {{Form6->Edit1, QStringLiteral("Всего вопросов")},
                                                 {Form6->Edit2, QStringLiteral("Правильных ответов")},
                                                 {Form6->Edit3, QStringLiteral("Оценка")},
                                                 {Form6->Edit4, QStringLiteral("Балл")}};
    for (const auto& [box, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), name);
}

} // namespace
