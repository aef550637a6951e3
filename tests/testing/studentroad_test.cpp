#include "app/tform3.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tests/testing/testingcourse.h"

#include <QAction>
#include <QDate>
#include <gtest/gtest.h>

namespace {

// A student takes two tests in one run, both opened from the main menu; the bank of 100 has the
// correct answer "A" everywhere, so the mark counts the positions answered "A".
TEST(StudentRoad, TwoTestsFromTheMainMenu)
{
    TestingCourse run(100);
    Form3->show();
    Form4->Edit1->setText(QStringLiteral("прежний студент"));
    Form3->N2->trigger();
    ASSERT_TRUE(Form4->isVisible());
    EXPECT_EQ(Form4->Edit1->text(), QString());

    run.startTest(QStringLiteral("Смирнова Ольга"));
    for (int position : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        run.choosePosition(position);
        run.chooseAnswer(position == 10 ? 3 : 0);
    }
    run.chooseAnswer(0); // the last position's answer changed just before handing in
    run.handIn();
    EXPECT_EQ(Form6->Label1->text(), QStringLiteral("Смирнова Ольга"));
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("10"));
    EXPECT_EQ(Form6->Edit3->text(), QStringLiteral("3"));
    EXPECT_EQ(Form6->Edit4->text(), QStringLiteral("D (1.0)"));

    Form3->N2->trigger();
    EXPECT_EQ(Form4->Edit1->text(), QString());
    run.startTest(QStringLiteral("Орлов Илья"));
    EXPECT_EQ(
        run.column(QStringLiteral("SELECT group_concat(nom1, ' ') FROM (SELECT nom1 FROM testing ORDER BY rowid)")),
        QStringList{"85 72 30 16 33 47 24 83 28 48 15 88 29 78 98 49 89 83 2 14"});
    run.handIn();
    EXPECT_EQ(run.column(QStringLiteral("SELECT fio, data, kol, ocenka FROM result ORDER BY id")),
              (QStringList{QStringLiteral("Смирнова Ольга|%1|20|D").arg(QDate::currentDate().toString(Qt::ISODate)),
                           QStringLiteral("Орлов Илья|%1|20|F").arg(QDate::currentDate().toString(Qt::ISODate))}));
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.texts().join(u'\n').toStdString();
}

} // namespace
