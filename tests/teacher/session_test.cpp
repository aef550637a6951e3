#include "app/tform3.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "teacher/dbgrid.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "teacher/tsdbedit.h"
#include "teacher/tsdbmemo.h"
#include "teacher/tsdbnavigator.h"
#include "teacher/tsnavbutton.h"
#include "tests/support/messagerecorder.h"
#include "tests/teacher/teacherprogram.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

void typeHere(const QString& text)
{
    for (const QChar character : text)
        typeText(QApplication::focusWidget(), QString(character));
}

void keyHere(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

// A teacher's session from the main menu on: every change is in the course file at once.
TEST(TeacherSession, LecturesQuestionsAndResultsChangeInTheCourseFileAtOnce)
{
    TeacherProgram program(
        QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Радио', 'r.htm'), ('Телеграф', 't.htm');"
                       "INSERT INTO test (nom, test, otv) VALUES (1, 'Кто изобрёл радио?', 'A');"
                       "INSERT INTO result (fio, data, kol, ocenka) VALUES ('Иванов', '2026-05-14', 20, 'C');"));
    ASSERT_TRUE(program.created);
    MessageRecorder boxes;
    Form3->show();
    Form3->N5->trigger();
    typeText(Form9->Edit1, TForm9::login);
    typeText(Form9->Edit2, TForm9::password);
    Form9->sButton1->click();
    ASSERT_TRUE(Form10->isVisible());
    Form10->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form10));

    // A lecture topic, edited in its cell and posted by the move to the next row.
    Form10->sPageControl1->setCurrentWidget(Form10->sTabSheet1);
    DBGrid* lectures = Form10->DBGrid1;
    lectures->setFocus();
    lectures->setCurrentIndex(lectures->model()->index(0, 1));
    keyHere(Qt::Key_F2);
    QApplication::focusWidget()->metaObject()->invokeMethod(QApplication::focusWidget(), "selectAll");
    typeHere(QStringLiteral("Радио Попова"));
    keyHere(Qt::Key_Down);
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")),
              QStringList({"Радио Попова", "Телеграф"}));
    Form3->N1->trigger();
    ASSERT_EQ(Form3->TreeView1->topLevelItemCount(), 2);
    EXPECT_EQ(Form3->TreeView1->topLevelItem(0)->text(0), QStringLiteral("Радио Попова"));

    // A question added with the navigator, its text and letter typed, then posted.
    Form10->sPageControl1->setCurrentWidget(Form10->sTabSheet4);
    TsDBNavigator* questions = Form10->sDBNavigator5;
    questions->button(TsDBNavigator::nbInsert)->click();
    Form10->sDBMemo1->setFocus();
    typeHere(QStringLiteral("Когда вышла первая газета?"));
    Form10->sDBEdit1->setFocus();
    typeHere(QStringLiteral("B"));
    questions->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT test, otv FROM test ORDER BY id")),
              QStringList({"Кто изобрёл радио?|A", "Когда вышла первая газета?|B"}));
    EXPECT_EQ(DataModule2->ADOTable1->fieldAsText(QStringLiteral("test")),
              QStringLiteral("Когда вышла первая газета?"));

    // ... and deleted again after the confirmation.
    questions->button(TsDBNavigator::nbDelete)->click();
    EXPECT_EQ(boxes.texts(), QStringList({"Delete record?"}));
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT test FROM test")), QStringList({"Кто изобрёл радио?"}));
    EXPECT_EQ(Form10->sDBMemo1->toPlainText(), QStringLiteral("Кто изобрёл радио?"));

    // A result corrected in its grid and posted by the navigator.
    Form10->sPageControl1->setCurrentWidget(Form10->sTabSheet5);
    DBGrid* results = Form10->DBGrid4;
    results->setFocus();
    results->setCurrentIndex(results->model()->index(0, 4));
    typeHere(QStringLiteral("B"));
    keyHere(Qt::Key_Return);
    Form10->sDBNavigator4->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT fio, ocenka FROM result")), QStringList({"Иванов|B"}));
    EXPECT_EQ(boxes.texts().size(), 1);
}

} // namespace
