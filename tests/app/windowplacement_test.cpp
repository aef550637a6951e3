#include "app/startup.h"
#include "app/tform3.h"
#include "platform/form.h"
#include "skin/controls/tsbutton.h"
#include "testing/tform5.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createProgram()); }
    void TearDown() override { destroyProgram(); }

    static QRect workArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static QString describe(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(WindowPlacementTest, EveryWindowShownComesToTheFrontWithinTheWorkArea)
{
    for (Form* form : Form::all()) {
        form->move(workArea().right() - 40, workArea().bottom() - 40);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form)) << form->objectName().toStdString();
        EXPECT_TRUE(workArea().contains(form->frameGeometry()))
            << form->objectName().toStdString() << " at " << describe(form->frameGeometry()).toStdString();
    }
    // A window still open behind another comes to the front when it is shown again.
    Form5->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form5));
    Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    Form5->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form5));
}

TEST_F(WindowPlacementTest, ATooLargeWindowShrinksAndKeepsItsControlsInReach)
{
    Form5->resize(workArea().size() * 2);
    Form5->show();
    EXPECT_TRUE(workArea().contains(Form5->frameGeometry())) << describe(Form5->frameGeometry()).toStdString();
    const QRect button(Form5->sButton1->mapToGlobal(QPoint(0, 0)), Form5->sButton1->size());
    EXPECT_TRUE(workArea().contains(button)) << describe(button).toStdString();
}

struct FrameCase {
    const char* name;
    bool frameless; // a skinned frame draws the frame inside the window itself
};

class MainWindowFit : public WindowPlacementTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(MainWindowFit, FillsTheWorkAreaFrameIncluded)
{
    if (GetParam().frameless)
        Form3->setWindowFlag(Qt::FramelessWindowHint);
    Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
    QCoreApplication::processEvents();
    EXPECT_EQ(Form3->frameGeometry(), workArea()) << describe(Form3->frameGeometry()).toStdString();
    EXPECT_FALSE(Form3->isMaximized());
}

INSTANTIATE_TEST_SUITE_P(Frames, MainWindowFit,
                         ::testing::Values(FrameCase{"DesktopFrame", false}, FrameCase{"SkinnedFrame", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
