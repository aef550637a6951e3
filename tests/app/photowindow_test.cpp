#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "platform/pictureview.h"
#include "skin/controls/tstreeview.h"
#include "tests/platform/picture_fixtures.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>
#include <jerror.h>

using namespace fixtures;

namespace {

class PhotoWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        course.exec(QStringLiteral(
            "INSERT INTO foto (tema, file) VALUES ('Собор и площадь', 'square.JPG'), ('Собор', 'cathedral.jpeg'),"
            " ('Рисунок', 'drawing.bmp'), ('Анимация', 'moving.gif'), ('Потерянный', 'lost.jpg'),"
            " ('Без файла', NULL), ('Испорченный', 'broken.bmp'), ('Оборванный', 'cut.jpg')"));
        course.writeFile(QStringLiteral("Teoria/foto/square.JPG"), jpeg(filled(30, 20, Qt::red)));
        course.writeFile(QStringLiteral("Teoria/foto/cathedral.jpeg"), jpeg(filled(40, 25, Qt::blue)));
        course.writeFile(QStringLiteral("Teoria/foto/drawing.bmp"), bmp24({{Qt::green, Qt::green}}));
        course.writeFile(QStringLiteral("Teoria/foto/moving.gif"), QByteArray("GIF89a"));
        course.writeFile(QStringLiteral("Teoria/foto/broken.bmp"), QByteArray("BM"));
        const QByteArray whole = jpeg(filled(64, 48, Qt::yellow));
        course.writeFile(QStringLiteral("Teoria/foto/cut.jpg"), whole.left(whole.size() - 30));
        ASSERT_TRUE(createProgram());
        Form1->show();
        Form3->N4->trigger();
    }
    void TearDown() override { destroyProgram(); }

    static QStringList topics()
    {
        QStringList result;
        for (int i = 0; i < Form14->TreeView1->topLevelItemCount(); ++i)
            result.append(Form14->TreeView1->topLevelItem(i)->text(0));
        return result;
    }
    static void clickTopic(const QString& text)
    {
        const QList<QTreeWidgetItem*> found = Form14->TreeView1->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(Form14->TreeView1->viewport(), Qt::LeftButton, {},
                          Form14->TreeView1->visualItemRect(found.first()).center());
    }
    static QSize shownSize() { return Form14->Image1->picture().size(); }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(PhotoWindowTest, ShowingTwiceListsEachTopicOnce)
{
    Form3->N4->trigger();
    EXPECT_TRUE(Form14->isVisible());
    EXPECT_FALSE(Form14->TreeView1->isHidden());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(topics().size(), 8);
    EXPECT_EQ(topics().first(), QStringLiteral("Собор и площадь"));
}

TEST_F(PhotoWindowTest, EnterOpensTheMarkedPhotoWhileTheArrowsOnlyMove)
{
    Form14->TreeView1->setFocus();
    Form14->TreeView1->setCurrentItem(Form14->TreeView1->topLevelItem(0));
    QTest::keyClick(Form14->TreeView1, Qt::Key_Down);
    EXPECT_TRUE(shownSize().isEmpty());
    QTest::keyClick(Form14->TreeView1, Qt::Key_Return);
    EXPECT_EQ(shownSize(), QSize(40, 25));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PhotoWindowTest, EachTopicLoadsItsOwnRecordsPictureWhateverTheWorkingDirectory)
{
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    clickTopic(QStringLiteral("Собор"));
    EXPECT_EQ(shownSize(), QSize(40, 25));
    clickTopic(QStringLiteral("Собор и площадь"));
    EXPECT_EQ(shownSize(), QSize(30, 20));
    clickTopic(QStringLiteral("Рисунок"));
    EXPECT_EQ(shownSize(), QSize(2, 1));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PhotoWindowTest, FailedLoadsKeepThePreviousPicture)
{
    clickTopic(QStringLiteral("Собор"));
    const QString folder = QDir(course.path()).filePath(QStringLiteral("Teoria/foto/"));
    for (const char* topic : {"Анимация", "Потерянный", "Без файла", "Испорченный"})
        clickTopic(QString::fromUtf8(topic));
    EXPECT_EQ(
        boxes.texts(),
        (QStringList{"Unknown picture file extension (.gif)",
                     QStringLiteral("Cannot open file \"%1lost.jpg\". No such file or directory.").arg(folder),
                     "Could not convert variant of type (Null) into type (String)", "Bitmap image is not valid."}));
    EXPECT_EQ(shownSize(), QSize(40, 25));
}

TEST_F(PhotoWindowTest, TruncatedJpegReplacesThePictureThenFailsAtItsFirstDraw)
{
    clickTopic(QStringLiteral("Собор"));
    clickTopic(QStringLiteral("Оборванный"));
    EXPECT_EQ(shownSize(), QSize(64, 48));
    EXPECT_TRUE(boxes.empty());
    Form14->Image1->grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("JPEG error #%1.").arg(JWRN_JPEG_EOF)});
}

TEST_F(PhotoWindowTest, KeepsWorkingAfterTheMainWindowsExit)
{
    Form3->show();
    Form3->N3->trigger();
    Form3->N4->trigger();
    clickTopic(QStringLiteral("Собор"));
    EXPECT_EQ(shownSize(), QSize(40, 25));
    EXPECT_TRUE(boxes.empty());
}

} // namespace
