#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform3.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/shellopen.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslistbox.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MultimediaWindowTest : public ::testing::Test {
protected:
    void start(const QString& inserts)
    {
        course.exec(inserts);
        setShellOpenHandler([this](const QString& path) { opened.append(path); });
        ASSERT_TRUE(createProgram());
        Form3->show();
        Form13->sEdit2->setText(QStringLiteral("typed"));
        Form3->N16->trigger();
    }
    void TearDown() override
    {
        destroyProgram();
        setShellOpenHandler({});
    }
    static QStringList titles()
    {
        QStringList result;
        for (int i = 0; i < Form13->sListBox1->count(); ++i)
            result.append(Form13->sListBox1->item(i)->text());
        return result;
    }
    static void run(int row)
    {
        Form13->sListBox1->setCurrentRow(row);
        QTest::mouseClick(Form13->sButton1, Qt::LeftButton);
    }

    TestCourse course;
    MessageRecorder boxes;
    QStringList opened;
};

const QString prefixTitles = QStringLiteral(
    "INSERT INTO media (name, file) VALUES ('Гимн и марш', 'anthem and march.mp3'), ('Гимн', 'anthem.mp3'),"
    " ('Гимн', 'second anthem.mp3'), ('Без файла', NULL)");

TEST_F(MultimediaWindowTest, ShowingListsTitlesAndEmptiesTheBoxes)
{
    start(prefixTitles);
    Form3->N16->trigger();
    EXPECT_TRUE(Form13->isVisible());
    EXPECT_EQ(titles(), (QStringList{"Гимн и марш", "Гимн", "Гимн", "Без файла"}));
    for (TsEdit* edit : {Form13->sEdit1, Form13->sEdit2, Form13->sEdit3})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(Form13->sEdit1->isHidden());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MultimediaWindowTest, EachEntryOpensItsRecordsFileByRelativePath)
{
    start(prefixTitles);
    run(1);
    run(0);
    run(2); // the same title as entry 1 opens the same record
    EXPECT_EQ(opened, (QStringList{"Teoria\\Media\\anthem.mp3", "Teoria\\Media\\anthem and march.mp3",
                                   "Teoria\\Media\\anthem.mp3"}));
    EXPECT_EQ(Form13->sEdit1->text(), QStringLiteral("Гимн"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MultimediaWindowTest, RunFailures)
{
    start(prefixTitles);
    QTest::mouseClick(Form13->sButton1, Qt::LeftButton);
    run(3);
    EXPECT_EQ(boxes.texts(), (QStringList{"List index out of bounds (-1)",
                                          "Could not convert variant of type (Null) into type (String)"}));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MultimediaWindowTest, NullTitleStopsTheFillAndLeavesTheBoxes)
{
    start(QStringLiteral(
        "INSERT INTO media (name, file) VALUES ('Первый', 'a.avi'), (NULL, 'b.avi'), ('Третий', 'c.avi')"));
    EXPECT_EQ(titles(), QStringList{"Первый"});
    EXPECT_EQ(Form13->sEdit2->text(), QStringLiteral("typed"));
    EXPECT_EQ(boxes.texts(), QStringList{"Could not convert variant of type (Null) into type (String)"});
    EXPECT_EQ(DataModule2->tblMedia->fieldAsText(QStringLiteral("file")), QStringLiteral("b.avi"));
}

TEST_F(MultimediaWindowTest, AddStoresTheItemAndListsItLast)
{
    start(QStringLiteral("INSERT INTO media (name, file) VALUES ('Гимн', 'anthem.mp3')"));
    Form13->sEdit1->setText(QStringLiteral("carried"));
    Form13->sEdit2->insert(QStringLiteral("  Хроника 1941 "));
    QTest::keyClicks(Form13->sEdit3, QStringLiteral("chronicle.avi"));
    QTest::mouseClick(Form13->sButton2, Qt::LeftButton);
    QTest::mouseClick(Form13->sButton2, Qt::LeftButton);
    EXPECT_EQ(titles(), (QStringList{"Гимн", "  Хроника 1941 ", ""}));
    EXPECT_EQ(course.rows(QStringLiteral("SELECT name, file FROM media ORDER BY id")),
              (QStringList{"Гимн|anthem.mp3", "  Хроника 1941 |chronicle.avi", "|"}));
    EXPECT_TRUE(Form13->sEdit2->text().isEmpty());
    EXPECT_TRUE(Form13->sEdit3->text().isEmpty());
    EXPECT_EQ(Form13->sEdit1->text(), QStringLiteral("carried"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MultimediaWindowTest, AfterExitEveryActionFailsOnTheClosedTable)
{
    start(QStringLiteral("INSERT INTO media (name, file) VALUES ('Гимн', 'anthem.mp3')"));
    Form3->N3->trigger();
    Form13->hide();
    Form3->N16->trigger();
    EXPECT_TRUE(Form13->isVisible());
    EXPECT_TRUE(titles().isEmpty());
    Form13->sListBox1->addItem(QStringLiteral("Гимн"));
    run(0);
    QTest::mouseClick(Form13->sButton2, Qt::LeftButton);
    const QString closed = QStringLiteral("tblMedia: Cannot perform this operation on a closed dataset.");
    EXPECT_EQ(boxes.texts(), (QStringList{closed, closed, closed}));
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
