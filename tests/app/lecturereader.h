#pragma once

#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform3.h"
#include "platform/htmlview.h"
#include "platform/pictureview.h"
#include "skin/controls/tstreeview.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

// A student in the main window's lectures, on the course of the working directory, with settings
// of their own that last as long as this fixture.
class LectureReader : public ::testing::Test {
protected:
    LectureReader() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path()); }
    void TearDown() override { destroyProgram(); }

    // Starts the program, presses the cover and chooses "Лекции".
    static void start()
    {
        ASSERT_TRUE(createProgram());
        Form1->show();
        QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
        Form3->N1->trigger();
        Form3->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    }

    // Clicks the topic in the tree and waits until its document is on view.
    static void open(const QString& topic)
    {
        const QList<QTreeWidgetItem*> found = Form3->TreeView1->findItems(topic, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(Form3->TreeView1->viewport(), Qt::LeftButton, {},
                          Form3->TreeView1->visualItemRect(found.first()).center());
        ASSERT_TRUE(QTest::qWaitFor([] { return !Form3->WebBrowser1->loadPending(); }));
    }

    QTemporaryDir settings;
};
