#include "app/tform3.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "teacher/dbgrid.h"
#include "teacher/tform10.h"
#include "teacher/tsdbedit.h"
#include "teacher/tsdbmemo.h"
#include "teacher/tsdbnavigator.h"
#include "teacher/tsnavbutton.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"
#include "tests/teacher/teacherprogram.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString lectures =
    QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Альфа', 'a.htm'), ('Бета', 'b.htm'), ('Гамма', 'c.htm');");

// The editor shown on the page of grid, with the keyboard in the grid.
void openOn(QWidget* page, QWidget* focus)
{
    Form10->show();
    Form10->sPageControl1->setCurrentWidget(page);
    Form10->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form10));
    focus->setFocus();
    QApplication::processEvents();
}

// Types into whatever has the keyboard (the grid, or the cell editor it opened).
void type(const QString& text)
{
    for (const QChar character : text)
        typeText(QApplication::focusWidget(), QString(character));
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QApplication::processEvents();
}

QString cell(DBGrid* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList topicsOfMainWindow()
{
    Form3->N1->trigger();
    QStringList result;
    for (int i = 0; i < Form3->TreeView1->topLevelItemCount(); ++i)
        result.append(Form3->TreeView1->topLevelItem(i)->text(0));
    return result;
}

TEST(MaterialEditor, PagesInOrderEachWithItsNavigatorDockedBelow)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    Form10->show();
    QTabWidget* pages = Form10->sPageControl1;
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions.append(pages->tabText(i));
    EXPECT_EQ(captions,
              QStringList({"Лекции", "Мультимедиа", "Презентации", "Тесты", "Результаты тестирования", "Фото"}));
    EXPECT_EQ(pages->currentWidget(), Form10->sTabSheet6);

    const QList<std::pair<TsTabSheet*, TsDBNavigator*>> docked{
        {Form10->sTabSheet1, Form10->sDBNavigator1}, {Form10->sTabSheet2, Form10->sDBNavigator2},
        {Form10->sTabSheet3, Form10->sDBNavigator3}, {Form10->sTabSheet4, Form10->sDBNavigator5},
        {Form10->sTabSheet5, Form10->sDBNavigator4}, {Form10->sTabSheet6, Form10->sDBNavigator6}};
    for (const auto& [page, navigator] : docked) {
        pages->setCurrentWidget(page);
        QApplication::processEvents();
        EXPECT_EQ(navigator->geometry(), QRect(0, page->height() - 25, page->width(), 25))
            << navigator->objectName().toStdString();
        EXPECT_EQ(navigator->button(9)->height(), 22);
    }
    EXPECT_EQ(Form10->DBGrid1->dataSource(), DataModule2->DataSource3);
    EXPECT_EQ(Form10->sDBNavigator1->dataSource(), DataModule2->DataSource3);
    EXPECT_EQ(Form10->DBGrid5->dataSource(), DataModule2->DataSource8);
    EXPECT_EQ(Form10->sDBNavigator6->dataSource(), DataModule2->DataSource8);
    EXPECT_EQ(Form10->sDBMemo1->dataSource(), DataModule2->DataSource1);
    EXPECT_EQ(Form10->sDBMemo1->size(), QSize(961, 233));
    EXPECT_EQ(Form10->sDBEdit1->size(), QSize(121, 33));

    // The page last shown stays selected while the window is only hidden.
    pages->setCurrentWidget(Form10->sTabSheet2);
    Form10->close();
    Form10->show();
    EXPECT_EQ(pages->currentWidget(), Form10->sTabSheet2);
}

TEST(MaterialEditor, GridColumnsHaveTheirTitlesAndWidths)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    const auto titles = [](DBGrid* grid) {
        QStringList result;
        for (int i = 0; i < grid->model()->columnCount(); ++i)
            result.append(grid->model()->headerData(i, Qt::Horizontal).toString());
        return result;
    };
    EXPECT_EQ(titles(Form10->DBGrid1), QStringList({"№", "Тема", "Файл"}));
    EXPECT_EQ(titles(Form10->DBGrid2), QStringList({"№", "Название", "Файл"}));
    EXPECT_EQ(titles(Form10->DBGrid3), QStringList({"№", "Тема", "Файл"}));
    EXPECT_EQ(titles(Form10->DBGrid4), QStringList({"№", "ФИО", "Дата", "Кол-во вопросов", "Оценка"}));
    EXPECT_EQ(titles(Form10->DBGrid5), QStringList({"Тема", "Файл"}));
    EXPECT_EQ(Form10->DBGrid1->columnWidth(1), 400);
    EXPECT_EQ(Form10->DBGrid2->columnWidth(2), 400);
    EXPECT_EQ(Form10->DBGrid5->columnWidth(0), 400);
    // A column without a width of its own still shows its whole title.
    DBGrid* results = Form10->DBGrid4;
    const int title = results->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Кол-во вопросов"));
    EXPECT_GT(results->columnWidth(3), title);
    EXPECT_EQ(results->horizontalHeader()->sectionResizeMode(3), QHeaderView::Interactive);
}

TEST(MaterialEditorGrid, EditedTopicIsPostedByMovingToAnotherRowAndShownByTheMainWindow)
{
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    openOn(Form10->sTabSheet1, grid);
    grid->setCurrentIndex(grid->model()->index(0, 1));
    type(QStringLiteral("Введение"));
    EXPECT_EQ(DataModule2->ADOTable3->state(), Table::State::Edit);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("I"));
    press(Qt::Key_Down);

    EXPECT_EQ(DataModule2->ADOTable3->state(), Table::State::Browse);
    EXPECT_EQ(DataModule2->ADOTable3->recordIndex(), 1);
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")),
              QStringList({"Введение", "Бета", "Гамма"}));
    EXPECT_EQ(cell(grid, 0, 1), QStringLiteral("Введение"));
    EXPECT_EQ(topicsOfMainWindow(), QStringList({"Введение", "Бета", "Гамма"}));
}

TEST(MaterialEditorGrid, EnterWritesTheCellAndEscapeUndoesCellThenRow)
{
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    Table* table = DataModule2->ADOTable3;
    openOn(Form10->sTabSheet1, grid);
    grid->setCurrentIndex(grid->model()->index(1, 1));
    ASSERT_EQ(table->recordIndex(), 1);

    type(QStringLiteral("Дельта"));
    press(Qt::Key_Return);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Дельта"));
    EXPECT_EQ(table->state(), Table::State::Edit);

    // A second change, undone in its cell: the written one stays pending.
    press(Qt::Key_F2);
    type(QStringLiteral("xyz"));
    press(Qt::Key_Escape);
    EXPECT_EQ(table->state(), Table::State::Edit);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Дельта"));
    EXPECT_EQ(cell(grid, 1, 1), QStringLiteral("Дельта"));

    // With no change in the cell, Escape abandons the row's edit.
    press(Qt::Key_Escape);
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(cell(grid, 1, 1), QStringLiteral("Бета"));
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT tema FROM Lekcia WHERE id = 2")), QStringList({"Бета"}));
}

TEST(MaterialEditorGrid, InsertedAndAppendedRowsArePostedWhenTypedIntoAndDroppedWhenLeftEmpty)
{
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    Table* table = DataModule2->ADOTable3;
    openOn(Form10->sTabSheet1, grid);
    grid->setCurrentIndex(grid->model()->index(1, 1));

    // Insert opens an empty row before the current one; leaving it unchanged drops it.
    press(Qt::Key_Insert);
    EXPECT_EQ(table->state(), Table::State::Insert);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("*"));
    EXPECT_EQ(cell(grid, 2, 1), QStringLiteral("Бета"));
    press(Qt::Key_Down);
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Бета"));

    // Down on the last row appends, but only one empty row.
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(table->state(), Table::State::Insert);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    press(Qt::Key_Down);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    type(QStringLiteral("Эпилог"));
    press(Qt::Key_Up);
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Гамма"));
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")),
              QStringList({"Альфа", "Бета", "Гамма", "Эпилог"}));

    // An empty new row is dropped as well when the grid loses the focus.
    press(Qt::Key_Insert);
    ASSERT_EQ(table->state(), Table::State::Insert);
    Form10->sDBNavigator1->setTabStop(true);
    Form10->sDBNavigator1->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(table->recordCount(), 4);
}

TEST(MaterialEditorGrid, CtrlDeleteAsksAndDeletesOnlyAfterOk)
{
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    openOn(Form10->sTabSheet1, grid);
    grid->setCurrentIndex(grid->model()->index(1, 1));
    MessageRecorder boxes;
    boxes.answerWith(MessageAnswer::Cancel);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(boxes.texts(), QStringList({"Delete record?"}));
    EXPECT_EQ(grid->model()->rowCount(), 3);

    boxes.answerWith(MessageAnswer::Ok);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")),
              QStringList({"Альфа", "Гамма"}));
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(cell(grid, 1, 1), QStringLiteral("Гамма"));
}

TEST(MaterialEditorGrid, CtrlDeleteOnAnEmptyGridAsksNothing)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    openOn(Form10->sTabSheet1, Form10->DBGrid1);
    MessageRecorder boxes;
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(DataModule2->ADOTable3->recordCount(), 0);
}

TEST(MaterialEditorGrid, TypingIntoAnEmptyGridStartsItsFirstRecord)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    openOn(Form10->sTabSheet1, grid);
    MessageRecorder boxes;
    type(QStringLiteral("Первая"));
    EXPECT_EQ(DataModule2->ADOTable3->state(), Table::State::Insert);
    // The engine numbers the key itself: the typing went to the first column that takes text.
    EXPECT_EQ(grid->currentIndex().column(), 1);
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable);
    press(Qt::Key_Return);
    Form10->sDBNavigator1->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT id, tema FROM Lekcia")), QStringList({"1|Первая"}));
    EXPECT_TRUE(boxes.empty()) << boxes.texts().join(u' ').toStdString();
}

TEST(MaterialEditorGrid, PostStopsAtAValueTheFieldRefusesInAnOpenCell)
{
    TeacherProgram program(QStringLiteral("INSERT INTO result (fio, kol) VALUES ('Иванов', 20);"));
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid4;
    Table* table = DataModule2->ADOTable6;
    openOn(Form10->sTabSheet5, grid);
    MessageRecorder boxes;
    grid->setCurrentIndex(grid->model()->index(0, 1));
    type(QStringLiteral("Петров"));
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_EQ(grid->currentIndex().column(), 3);
    type(QStringLiteral("двадцать"));
    Form10->sDBNavigator4->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(boxes.texts(), QStringList({"'двадцать' is not a valid integer value."}));
    EXPECT_EQ(table->state(), Table::State::Edit);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("fio")), QStringLiteral("Петров"));
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT fio, kol FROM result")), QStringList({"Иванов|20"}));
}

TEST(MaterialEditorGrid, CurrentRowAndTheCursorMoveTogether)
{
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid1;
    Table* table = DataModule2->ADOTable3;
    openOn(Form10->sTabSheet1, grid);

    Form10->sDBNavigator1->button(TsDBNavigator::nbNext)->click();
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("►"));
    EXPECT_TRUE(grid->model()->headerData(0, Qt::Vertical).toString().isEmpty());

    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(table->recordIndex(), 2);
    EXPECT_TRUE(table->eof());
    EXPECT_FALSE(Form10->sDBNavigator1->button(TsDBNavigator::nbLast)->isEnabled());
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(table->recordIndex(), 0);
    EXPECT_EQ(grid->currentIndex().row(), 0);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 1)).center());
    EXPECT_EQ(table->recordIndex(), 2);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("Гамма"));

    // A move made elsewhere in the program shows in the grid.
    table->locate(QStringLiteral("tema"), FieldValue("Бета"), Table::CaseInsensitive | Table::PartialKey);
    EXPECT_EQ(grid->currentIndex().row(), 1);
}

TEST(MaterialEditorGrid, ResultIsCorrectedAndRefusedValuesAreReported)
{
    TeacherProgram program(QStringLiteral("INSERT INTO result (fio, data, kol, ocenka) VALUES ('Иванов', '2026-05-14', "
                                          "20, 'C'), ('Петров', '2026-05-15', 20, 'B');"));
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid4;
    openOn(Form10->sTabSheet5, grid);
    EXPECT_EQ(cell(grid, 0, 2), QStringLiteral("14.05.2026"));
    grid->setCurrentIndex(grid->model()->index(0, 4));
    type(QStringLiteral("A"));
    press(Qt::Key_Return);
    grid->setCurrentIndex(grid->model()->index(0, 3));
    MessageRecorder boxes;
    type(QStringLiteral("много"));
    press(Qt::Key_Return);
    EXPECT_EQ(boxes.texts(), QStringList({"'много' is not a valid integer value."}));
    press(Qt::Key_Down);
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT fio, kol, ocenka FROM result ORDER BY id")),
              QStringList({"Иванов|20|A", "Петров|20|B"}));
}

TEST(MaterialEditorGrid, SpaceInACellOpensNoEditorAndChangesNothing)
{
    TeacherProgram program(QStringLiteral("INSERT INTO result (fio, data, kol, ocenka) VALUES ('Иванов', '2026-05-14', "
                                          "20, 'C');"));
    ASSERT_TRUE(program.created);
    DBGrid* grid = Form10->DBGrid4;
    openOn(Form10->sTabSheet5, grid);
    for (const int column : {1, 2, 3}) {
        grid->setCurrentIndex(grid->model()->index(0, column));
        press(Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), grid) << column;
        EXPECT_EQ(DataModule2->ADOTable6->state(), Table::State::Browse) << column;
    }
    EXPECT_EQ(cell(grid, 0, 2), QStringLiteral("14.05.2026"));
}

struct TabRoundCase {
    const char* name;
    int page;
    // The control the keyboard starts in and the ones Tab must lead to, known once the editor is.
    QList<QWidget*> (*controls)();
};

class MaterialEditorTabRound : public ::testing::TestWithParam<TabRoundCase> {};

// Tab leads out of the grid and the question text, even from an open cell, to every command of
// the page and round again; Shift+Tab leaves them backwards.
TEST_P(MaterialEditorTabRound, TabReachesEveryCommandOfThePageAndComesBack)
{
    TeacherProgram program(lectures
                           + QStringLiteral("INSERT INTO result (fio, kol) VALUES ('Иванов', 20);"
                                            "INSERT INTO test (nom, test, otv) VALUES (1, 'Когда?', 'A');"));
    ASSERT_TRUE(program.created);
    const QList<QWidget*> controls = GetParam().controls();
    QWidget* start = controls.first();
    openOn(Form10->sPageControl1->widget(GetParam().page), start);
    const QString memoText = Form10->sDBMemo1->toPlainText();

    if (auto* grid = qobject_cast<DBGrid*>(start)) {
        grid->setCurrentIndex(grid->model()->index(0, 1));
        type(QStringLiteral("x"));
        ASSERT_NE(QApplication::focusWidget(), grid);
    }
    QList<QWidget*> reached;
    for (int step = 0; step < 20 && (reached.isEmpty() || QApplication::focusWidget() != start); ++step) {
        press(Qt::Key_Tab);
        reached.append(QApplication::focusWidget());
    }
    EXPECT_EQ(reached.last(), start);
    for (QWidget* control : controls)
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), start);
    EXPECT_FALSE(start->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(Form10->sDBMemo1->toPlainText(), memoText);
    EXPECT_EQ(Form10->sPageControl1->currentIndex(), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaterialEditorTabRound,
    ::testing::Values(
        TabRoundCase{"results_grid", 4,
                     [] {
                         return QList<QWidget*>{Form10->DBGrid4, Form10->sDBNavigator4, Form10->sButtonExportResults};
                     }},
        TabRoundCase{"lectures_grid", 0,
                     [] {
                         return QList<QWidget*>{Form10->DBGrid1, Form10->sDBNavigator1};
                     }},
        TabRoundCase{"question_text", 3,
                     [] {
                         return QList<QWidget*>{Form10->sDBMemo1, Form10->sDBEdit1, Form10->sDBNavigator5,
                                                Form10->sButtonImportQuestions};
                     }}),
    CaseName());

TEST(MaterialEditorQuestions, MemoAndEditShowWriteAndRestoreTheCurrentQuestion)
{
    TeacherProgram program(QStringLiteral(
        "INSERT INTO test (nom, test, otv) VALUES (1, 'Кто изобрёл радио?', 'A'), (2, 'Когда вышла газета?', 'C');"));
    ASSERT_TRUE(program.created);
    Table* table = DataModule2->ADOTable1;
    TsDBMemo* memo = Form10->sDBMemo1;
    TsDBEdit* edit = Form10->sDBEdit1;
    openOn(Form10->sTabSheet4, memo);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Кто изобрёл радио?"));
    EXPECT_EQ(edit->text(), QStringLiteral("A"));
    EXPECT_EQ(edit->maxLength(), 1);

    memo->moveCursor(QTextCursor::End);
    press(Qt::Key_Return);
    EXPECT_EQ(table->state(), Table::State::Edit);
    type(QStringLiteral("A) Попов"));
    // Leaving the memo writes its text into the record; the post stores it.
    edit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("test")), QStringLiteral("Кто изобрёл радио?\nA) Попов"));
    edit->selectAll();
    type(QStringLiteral("B"));
    // The post writes the text still in the edit first.
    Form10->sDBNavigator5->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT test, otv FROM test WHERE nom = 1")),
              QStringList({"Кто изобрёл радио?\nA) Попов|B"}));

    Form10->sDBNavigator5->button(TsDBNavigator::nbNext)->click();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Когда вышла газета?"));
    EXPECT_EQ(edit->text(), QStringLiteral("C"));

    // Escape brings back the field's value; the table stays in edit mode.
    edit->setFocus();
    edit->selectAll();
    type(QStringLiteral("D"));
    EXPECT_EQ(table->state(), Table::State::Edit);
    press(Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("C"));
    Form10->sDBNavigator5->button(TsDBNavigator::nbPost)->click();
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT otv FROM test ORDER BY nom")), QStringList({"B", "C"}));
}

TEST(MaterialEditorQuestions, AHiddenEditorCatchesUpWithTheQuestionBankWhenShownAgain)
{
    TeacherProgram program(QStringLiteral(
        "INSERT INTO test (nom, test, otv) VALUES (1, 'Кто изобрёл радио?', 'A'), (2, 'Когда вышла газета?', 'C');"));
    ASSERT_TRUE(program.created);
    openOn(Form10->sTabSheet4, Form10->sDBMemo1);
    Form10->hide();
    // Grading moves the question bank while the editor is hidden.
    DataModule2->ADOTable1->last();
    Form10->show();
    EXPECT_EQ(Form10->sDBMemo1->toPlainText(), QStringLiteral("Когда вышла газета?"));
    EXPECT_EQ(Form10->sDBEdit1->text(), QStringLiteral("C"));
}

struct PageKeyCase {
    const char* name;
    int page;
    bool onMemo;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int expected;
};

class MaterialEditorPageKeys : public ::testing::TestWithParam<PageKeyCase> {};

// The grid and the question text keep their own keys, but Ctrl+Tab and Ctrl+Shift+Tab still turn
// the pages, wrapping at the ends.
TEST_P(MaterialEditorPageKeys, CtrlTabTurnsThePagesFromTheControlsOnThem)
{
    const PageKeyCase& c = GetParam();
    TeacherProgram program(lectures);
    ASSERT_TRUE(program.created);
    QWidget* page = Form10->sPageControl1->widget(c.page);
    openOn(page, c.onMemo ? static_cast<QWidget*>(Form10->sDBMemo1) : Form10->DBGrid1);
    const QString text = Form10->sDBMemo1->toPlainText();
    press(c.key, c.modifiers);
    EXPECT_EQ(Form10->sPageControl1->currentIndex(), c.expected);
    EXPECT_EQ(Form10->sDBMemo1->toPlainText(), text);
}

INSTANTIATE_TEST_SUITE_P(Table, MaterialEditorPageKeys,
                         ::testing::Values(PageKeyCase{"grid_next", 0, false, Qt::Key_Tab, Qt::ControlModifier, 1},
                                           PageKeyCase{"grid_previous_wraps", 0, false, Qt::Key_Backtab,
                                                       Qt::ControlModifier | Qt::ShiftModifier, 5},
                                           PageKeyCase{"memo_next", 3, true, Qt::Key_Tab, Qt::ControlModifier, 4},
                                           PageKeyCase{"memo_previous", 3, true, Qt::Key_Backtab,
                                                       Qt::ControlModifier | Qt::ShiftModifier, 2}),
                         CaseName());

} // namespace
