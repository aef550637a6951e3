#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform3.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/form.h"
#include "platform/pictureview.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tspanel.h"
#include "skin/core/tsskinmanager.h"
#include "skin/controls/tstreeview.h"
#include "teacher/dbgrid.h"
#include "teacher/tform10.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList topics()
{
    QStringList result;
    for (int i = 0; i < Form3->TreeView1->topLevelItemCount(); ++i)
        result.append(Form3->TreeView1->topLevelItem(i)->text(0));
    return result;
}

bool anyFormVisible()
{
    for (Form* form : Form::all())
        if (form->isVisible())
            return true;
    return false;
}

struct BrokenCourse {
    const char* name;
    std::function<void(TestCourse&)> damage;
    QString message;
};

class StartupFailureTest : public ::testing::TestWithParam<BrokenCourse> {};

TEST_P(StartupFailureTest, ShowsApplicationErrorAndNoWindow)
{
    TestCourse course;
    GetParam().damage(course);
    MessageRecorder boxes;
    EXPECT_FALSE(createProgram());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Application Error"));
    EXPECT_EQ(boxes.boxes()[0].text,
              QDir::toNativeSeparators(QDir(course.path()).canonicalPath() + QStringLiteral("/db1.mdb: "))
                  + GetParam().message);
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Error);
    EXPECT_FALSE(anyFormVisible());
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(DataModule2, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupFailureTest,
    ::testing::Values(BrokenCourse{"NoDatabase", [](TestCourse& c) { QFile::remove(c.databasePath()); },
                                   "unable to open database file."},
                      BrokenCourse{"MissingTable", [](TestCourse& c) { c.exec(QStringLiteral("DROP TABLE Present")); },
                                   "no such table: Present."},
                      BrokenCourse{"DamagedFile",
                                   [](TestCourse& c) {
                                       QFile file(c.databasePath());
                                       file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                                       file.write(QByteArray(4096, 'x'));
                                   },
                                   "file is not a database."}),
    CaseName());

TEST(Startup, RunEndsWithStatusOneWithoutADatabase)
{
    TestCourse course;
    QFile::remove(course.databasePath());
    MessageRecorder boxes;
    EXPECT_EQ(runProgram(), 1);
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST(Startup, ClosingTheStartWindowEndsTheProgramWithStatusZeroAndClosesEveryTable)
{
    TestCourse course;
    QList<bool> openAfterClose;
    QTimer::singleShot(0, [&] {
        Form3->show();
        Form1->close();
        for (Table* table : DataModule2->findChildren<Table*>())
            openAfterClose.append(table->isOpen());
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(openAfterClose, QList<bool>(8, false));
}

TEST(Startup, TheToolkitsOwnButtonsAndDialogsSpeakRussian)
{
    TestCourse course;
    QString save;
    QTimer::singleShot(0, [&] {
        const QDialogButtonBox box(QDialogButtonBox::Save);
        save = box.button(QDialogButtonBox::Save)->text().remove(u'&');
        Form1->close();
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(save, QStringLiteral("Сохранить"));
}

class CoverPressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(createProgram());
        Form1->show();
    }
    void TearDown() override { destroyProgram(); }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(CoverPressTest, EveryWindowExistsInStartOrderWithItsCaption)
{
    QStringList captions;
    for (Form* form : Form::all())
        captions.append(form->objectName() + u'=' + form->windowTitle());
    EXPECT_EQ(captions, (QStringList{"Form1=Электронный учебник", "Form3=Вестория", "Form4=Регистрация",
                                     "Form5=Тестирование", "Form6=Результаты тестирования", "Form9=Авторизация",
                                     "Form10=Редактирование материала", "Form13=Мультимедиа", "Form14=Фотографии"}));
    EXPECT_EQ(Form1->client()->size(), QSize(458, 463));
    EXPECT_EQ(Form1->sSkinManager1->SkinName(), QStringLiteral("Ferrolux (internal)"));
    EXPECT_TRUE(Form1->sSkinManager1->Active());
    EXPECT_EQ(Form1->Image2->drawnSize(), QSize(457, 463));
}

TEST_F(CoverPressTest, AnyButtonListsTheTopicsInStoredOrderAndBringsUpTheMainWindow)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('Газеты'), (NULL), ('Радио')"));
    DataModule2->ADOTable3->close();
    DataModule2->ADOTable3->open();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Form1->show();
        QTest::mousePress(Form1->Image2, button, {}, QPoint(10, 10));
        EXPECT_EQ(topics(), (QStringList{"Газеты", "", "Радио"}));
        EXPECT_TRUE(Form3->isVisible());
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_FALSE(Form3->Panel1->isVisible());
        EXPECT_FALSE(Form3->Panel2->isVisible());
        EXPECT_EQ(DataModule2->ADOTable3->fieldAsText(QStringLiteral("tema")), QStringLiteral("Радио"));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CoverPressTest, AnEmptyLectureTableStillBringsUpTheMainWindow)
{
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_TRUE(topics().isEmpty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CoverPressTest, AfterExitTheCoverReopensTheClosedTablesAndTheStudentGoesOn)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('Газеты'), ('Радио')"));
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    Form3->N3->trigger();
    ASSERT_FALSE(DataModule2->ADOTable3->isOpen());
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(boxes.empty()) << boxes.texts().join(u'\n').toStdString();
    EXPECT_EQ(topics(), (QStringList{"Газеты", "Радио"}));
    EXPECT_FALSE(Form1->isVisible());
    for (Table* table : DataModule2->findChildren<Table*>())
        EXPECT_TRUE(table->isOpen()) << table->componentName().toStdString();
    Form3->N1->trigger();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(topics(), (QStringList{"Газеты", "Радио"}));
}

TEST_F(CoverPressTest, ClosingTheLastWindowBringsBackTheCoverWithTheTablesOpen)
{
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    Form3->N16->trigger();
    ASSERT_TRUE(Form13->isVisible());

    // Another window is still there to go on from.
    Form3->close();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(Form1->isVisible());

    Form13->close();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(Form1->isVisible());
    for (Table* table : DataModule2->findChildren<Table*>())
        EXPECT_TRUE(table->isOpen()) << table->componentName().toStdString();

    // A window that closes itself before it shows the next one does not bring the cover along.
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    Form3->N2->trigger();
    Form3->close();
    Form4->sButton1->click();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_FALSE(Form1->isVisible());
}

TEST_F(CoverPressTest, EnterAndSpacePressTheCoverWhichScreenReadersSeeAsAButton)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        Form1->show();
        Form3->hide();
        QTest::keyClick(Form1->Image2, key);
        EXPECT_TRUE(Form3->isVisible()) << key;
        EXPECT_FALSE(Form1->isVisible()) << key;
    }
    EXPECT_EQ(Form1->Image2->focusPolicy(), Qt::StrongFocus);

    QAccessibleInterface* cover = QAccessible::queryAccessibleInterface(Form1->Image2);
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(cover->role(), QAccessible::Button);
    EXPECT_EQ(cover->text(QAccessible::Name), QStringLiteral("Электронный учебник"));
    Form1->show();
    Form3->hide();
    cover->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_TRUE(boxes.empty());
}

// Start-up builds the other windows' controls only after the start window has been painted;
// these tests start the program that way and look at the windows in between.
class LateControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createWindows()); }
    void TearDown() override { destroyProgram(); }

    // The windows whose client area holds no control yet.
    static QStringList windowsWithoutControls()
    {
        QStringList names;
        for (Form* form : Form::all())
            if (form->client()->findChildren<QWidget*>().isEmpty())
                names.append(form->objectName());
        return names;
    }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(LateControlsTest, EveryWindowHasItsControlsRightAfterTheStartWindowsFirstPaint)
{
    EXPECT_EQ(windowsWithoutControls(),
              (QStringList{"Form3", "Form4", "Form5", "Form6", "Form9", "Form10", "Form13", "Form14"}));
    bool paintedBeforeTheRest = false;
    showStartWindow([&] { paintedBeforeTheRest = !windowsWithoutControls().isEmpty(); });
    EXPECT_TRUE(QTest::qWaitFor([] { return windowsWithoutControls().isEmpty(); }));
    EXPECT_TRUE(paintedBeforeTheRest);
    for (Form* form : Form::all())
        EXPECT_EQ(form->isVisible(), form == Form1) << form->objectName().toStdString();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LateControlsTest, ACoverPressBeforeTheWindowsAreBuiltStillListsTheTopics)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('Газеты'), ('Радио')"));
    DataModule2->ADOTable3->close();
    DataModule2->ADOTable3->open();
    showStartWindow();
    QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(topics(), (QStringList{"Газеты", "Радио"}));
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form3->Panel1->isVisible());
    EXPECT_TRUE(windowsWithoutControls().isEmpty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LateControlsTest, AWindowShownBeforeTheRestAreBuiltComesWithItsControls)
{
    Form10->show();
    EXPECT_EQ(Form10->sPageControl1->currentWidget(), static_cast<QWidget*>(Form10->sTabSheet6));
    EXPECT_TRUE(Form10->DBGrid5->isVisible());
    EXPECT_TRUE(windowsWithoutControls().contains(QStringLiteral("Form3")));
}

TEST_F(LateControlsTest, WindowsBuiltAfterTheFirstPaintLookAsWhenBuiltAtOnce)
{
    // Every window but the start window, shown, as it looks when its controls were built late.
    const auto shownWindows = [] {
        QList<QImage> images;
        for (Form* form : Form::all()) {
            if (form == Form1)
                continue;
            form->show();
            QApplication::processEvents();
            images.append(form->grab().toImage());
            form->hide();
        }
        return images;
    };
    showStartWindow();
    ASSERT_TRUE(QTest::qWaitFor([] { return windowsWithoutControls().isEmpty(); }));
    const QList<QImage> late = shownWindows();
    destroyProgram();
    ASSERT_TRUE(createProgram());
    Form1->show();
    const QList<QImage> atOnce = shownWindows();
    ASSERT_EQ(late.size(), atOnce.size());
    for (qsizetype i = 0; i < late.size(); ++i)
        EXPECT_EQ(late[i], atOnce[i]) << Form::all()[i + 1]->objectName().toStdString();
}

struct FitCase {
    QSize picture;
    QSize area;
    QSize drawn;
};

TEST(CoverScaling, ScalesDownKeepingProportionsAndNeverUp)
{
    const FitCase cases[] = {
        {{500, 506}, {458, 463}, {457, 463}},  // the designed window
        {{500, 506}, {1200, 900}, {500, 506}}, // never scaled up
        {{500, 506}, {250, 600}, {250, 253}},  // taller than wide: height first, then width
        {{800, 400}, {400, 400}, {400, 200}},  // wider than tall: width first
        {{800, 400}, {1000, 100}, {200, 100}}, // width first, then the height is still too large
        {{400, 400}, {100, 300}, {100, 100}},  // square
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(PictureView::fitInside(c.picture, c.area), c.drawn) << c.picture.width() << "x" << c.area.width();
}

} // namespace
