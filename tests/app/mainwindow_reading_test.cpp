#include "app/readingcomfort.h"
#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform3.h"
#include "platform/htmlview.h"
#include "platform/pictureview.h"
#include "skin/controls/tstreeview.h"
#include "tests/app/lecturereader.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

QByteArray longLecture(const QString& title)
{
    QString html = QStringLiteral("<html><head><title>%1</title></head><body><img src=\"map.png\">").arg(title);
    for (int paragraph = 0; paragraph < 200; ++paragraph)
        html += QStringLiteral("<p>Абзац %1 лекции «%2».</p>").arg(paragraph).arg(title);
    return (html + QStringLiteral("</body></html>")).toUtf8();
}

// The whole program on a course of two long lectures, started afresh on demand as after a restart;
// what it remembers for the user lives as long as the fixture.
class MainWindowReadingTest : public LectureReader {
protected:
    void SetUp() override
    {
        course.exec(QStringLiteral(
            "INSERT INTO Lekcia (tema, file) VALUES ('Почта', 'post.htm'), ('Телеграф', 'telegraph.htm');"));
        course.writeFile(QStringLiteral("Teoria/post.htm"), longLecture(QStringLiteral("Почта")));
        course.writeFile(QStringLiteral("Teoria/telegraph.htm"), longLecture(QStringLiteral("Телеграф")));
        QImage map(64, 48, QImage::Format_RGB32);
        map.fill(Qt::darkGreen);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        map.save(&png, "PNG");
        course.writeFile(QStringLiteral("Teoria/map.png"), png.data());
        start();
    }

    void restart()
    {
        Form3->close();
        destroyProgram();
        start();
    }
    static QStringList boldTopics()
    {
        QStringList bold;
        for (int index = 0; index < Form3->TreeView1->topLevelItemCount(); ++index)
            if (Form3->TreeView1->topLevelItem(index)->font(0).bold())
                bold << Form3->TreeView1->topLevelItem(index)->text(0);
        return bold;
    }
    static double textSize() { return Form3->WebBrowser1->font().pointSizeF(); }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(MainWindowReadingTest, TextSizeFollowsTheKeysAndTheWheelWithinItsRangeAndIsKeptForTheNextRun)
{
    const double normal = textSize();
    ASSERT_GT(normal, 0);
    QTest::keyClick(Form3, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(Form3, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(Form3->readingComfort->zoom(), 2);
    EXPECT_DOUBLE_EQ(textSize(), normal * 1.2);
    QTest::keyClick(Form3, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Form3->readingComfort->zoom(), 1);
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form3->WebBrowser1->viewport(), &wheel);
    EXPECT_EQ(Form3->readingComfort->zoom(), 2);
    for (int press = 0; press < 20; ++press)
        QTest::keyClick(Form3, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Form3->readingComfort->zoom(), ReadingComfort::smallestZoom);
    Form3->readingComfort->setZoom(3);
    restart();
    EXPECT_EQ(Form3->readingComfort->zoom(), 3);
    EXPECT_DOUBLE_EQ(textSize(), normal * 1.3);
    QTest::keyClick(Form3, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(textSize(), normal);
}

TEST_F(MainWindowReadingTest, EachDocumentOpensAtThePlaceLastReadAlsoAfterARestart)
{
    open(QStringLiteral("Почта"));
    QScrollBar* bar = Form3->WebBrowser1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    open(QStringLiteral("Телеграф"));
    EXPECT_EQ(bar->value(), 0);
    open(QStringLiteral("Почта"));
    EXPECT_NEAR(bar->value(), bar->maximum() / 2, 2);
    bar->setValue(bar->maximum() / 4);
    restart();
    open(QStringLiteral("Почта"));
    bar = Form3->WebBrowser1->verticalScrollBar();
    EXPECT_NEAR(bar->value(), bar->maximum() / 4, 2);
}

TEST_F(MainWindowReadingTest, TheTopicLastOpenedIsBoldWhenTheListIsFilledAgain)
{
    EXPECT_TRUE(boldTopics().isEmpty());
    open(QStringLiteral("Телеграф"));
    EXPECT_EQ(boldTopics(), QStringList{QStringLiteral("Телеграф")});
    open(QStringLiteral("Почта"));
    EXPECT_EQ(boldTopics(), QStringList{QStringLiteral("Почта")});
    restart();
    EXPECT_EQ(boldTopics(), QStringList{QStringLiteral("Почта")});
    // The presentations have a last topic of their own.
    Form3->N15->trigger();
    EXPECT_TRUE(boldTopics().isEmpty());
}

TEST_F(MainWindowReadingTest, PrintsTheShownDocumentWithItsPicturesToPdf)
{
    open(QStringLiteral("Телеграф"));
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("лекция.pdf")));
    Form3->readingComfort->printTo(printer);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(boxes.empty());
}

} // namespace
