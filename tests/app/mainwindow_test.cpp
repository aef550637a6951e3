#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/htmlview.h"
#include "platform/pictureview.h"
#include "platform/programfolder.h"
#include "platform/shellopen.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tstreeview.h"
#include "teacher/tform9.h"
#include "testing/tform4.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStringEncoder>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace {

const QString closedLectures = QStringLiteral("ADOTable3: Cannot perform this operation on a closed dataset.");

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The longer topics come first in stored order, so that a prefix lookup would find them
        // if the exact match did not win.
        course.exec(QStringLiteral(
            "INSERT INTO Lekcia (tema, file) VALUES ('Эпоха Возрождения', 'renaissance.htm'), ('Эпоха', 'epoch.htm'),"
            " ('Пустая', NULL);"
            "INSERT INTO Present (tema, file) VALUES ('Карты и схемы', 'maps.ppt'), ('Карты', 'just maps.ppt'),"
            " ('Без файла', NULL);"));
        setShellOpenHandler([this](const QString& path) { opened.append(path); });
        ASSERT_TRUE(createProgram());
        Form1->show();
        QTest::mousePress(Form1->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    }
    void TearDown() override
    {
        destroyProgram();
        setShellOpenHandler({});
    }

    static QStringList topics()
    {
        QStringList result;
        for (int i = 0; i < Form3->TreeView1->topLevelItemCount(); ++i)
            result.append(Form3->TreeView1->topLevelItem(i)->text(0));
        return result;
    }
    static void clickTopic(const QString& text)
    {
        const QList<QTreeWidgetItem*> found = Form3->TreeView1->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QRect rect = Form3->TreeView1->visualItemRect(found.first());
        QTest::mouseClick(Form3->TreeView1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static QString shown() { return Form3->WebBrowser1->locationPath(); }
    static QString lecture(const QString& file) { return programFolder() + QStringLiteral("Teoria\\") + file; }

    TestCourse course;
    MessageRecorder boxes;
    QStringList opened;
};

TEST_F(MainWindowTest, EveryMenuItemInItsPlace)
{
    QStringList top;
    for (QAction* action : Form3->MainMenu1->actions())
        top.append(action->objectName() + u'=' + action->text());
    EXPECT_EQ(top, (QStringList{"N1=Лекции", "N15=Презентации", "N16=Мультимедиа", "N4=Фото", "N2=Тестирование",
                                "N5=Преподаватель", "N6=УМКД", "N14=Руководство пользователя", "N3=Выход"}));
    QStringList documents;
    for (QAction* action : Form3->N6->actions())
        documents.append(action->objectName());
    EXPECT_EQ(documents, (QStringList{"N7", "N8", "N9", "N10", "N11", "N12", "N13", "N111", "N121", "N131"}));
}

TEST_F(MainWindowTest, EachFillReplacesTheTopicsOfTheLast)
{
    Form3->N1->trigger();
    Form3->N1->trigger();
    EXPECT_EQ(topics(), (QStringList{"Эпоха Возрождения", "Эпоха", "Пустая"}));
    Form3->N15->trigger();
    EXPECT_EQ(topics(), (QStringList{"Карты и схемы", "Карты", "Без файла"}));
    EXPECT_EQ(Form3->browsingMode(), QStringLiteral("презентации"));
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(boxes.empty());
}

struct Visibility {
    const char* name;
    QStringList items; // menu items chosen after the cover press
    bool panel1, tree, panel2, browser;
    const char* mode;
};

class MainWindowVisibilityTest : public MainWindowTest, public ::testing::WithParamInterface<Visibility> {};

TEST_P(MainWindowVisibilityTest, PanelsTreeViewAndModeFollowTheMenu)
{
    for (const QString& item : GetParam().items)
        Form3->findChild<QAction*>(item)->trigger();
    EXPECT_EQ(Form3->Panel1->isVisible(), GetParam().panel1);
    EXPECT_EQ(!Form3->TreeView1->isHidden(), GetParam().tree);
    EXPECT_EQ(Form3->Panel2->isVisible(), GetParam().panel2);
    EXPECT_EQ(Form3->WebBrowser1->browserVisible(), GetParam().browser);
    EXPECT_EQ(Form3->browsingMode(), QString::fromUtf8(GetParam().mode));
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Menu, MainWindowVisibilityTest,
    ::testing::Values(Visibility{"CoverPress", {}, false, false, false, true, ""},
                      Visibility{"Lectures", {"N1"}, true, true, true, true, "лекции"},
                      Visibility{"Presentations", {"N15"}, true, true, true, true, "презентации"},
                      Visibility{"Testing", {"N1", "N2"}, false, false, false, false, "лекции"},
                      Visibility{"Teacher", {"N1", "N5"}, false, true, false, true, "лекции"},
                      Visibility{"DocumentKeepsTreeAndMode", {"N15", "N9"}, true, true, true, true, "презентации"},
                      Visibility{"DocumentAfterTesting", {"N1", "N2", "N14"}, false, false, true, false, "лекции"},
                      Visibility{"MediaAndPhotosChangeNothing", {"N1", "N16", "N4"}, true, true, true, true, "лекции"},
                      Visibility{"LecturesAfterTesting", {"N2", "N1"}, true, true, true, true, "лекции"}),
    CaseName());

TEST_F(MainWindowTest, TestingAndTeacherPrepareTheirWindows)
{
    Form4->Edit1->setText(QStringLiteral("Иванов"));
    Form3->N2->trigger();
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_TRUE(Form4->Edit1->text().isEmpty());

    Form9->Edit1->setText(QStringLiteral("teacher"));
    Form9->Edit2->setText(QStringLiteral("secret"));
    Form9->Label1->show();
    Form3->N5->trigger();
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_TRUE(Form9->Label1->isHidden());
    EXPECT_TRUE(Form9->Edit1->text().isEmpty());
    EXPECT_TRUE(Form9->Edit2->text().isEmpty());
}

TEST_F(MainWindowTest, DocumentAfterTestingTakesTheWholeWidth)
{
    Form3->N1->trigger();
    Form3->N2->trigger();
    Form3->N7->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form3->Panel2->isVisible());
    EXPECT_EQ(Form3->Panel2->width(), Form3->client()->width());
    EXPECT_TRUE(Form3->WebBrowser1->isVisible());
}

TEST_F(MainWindowTest, EachDocumentShowsItsFixedFile)
{
    const std::pair<const char*, const char*> documents[] = {
        {"N7", "Календарно-тематический план.htm"},
        {"N8", "Вестория.htm"},
        {"N9", "Планы практических занятий.htm"},
        {"N10", "Самостоятельная работа студентов.htm"},
        {"N11", "Темы докладов и рефератов.htm"},
        {"N12", "Экзаменационные вопросы.htm"},
        {"N13", "Список рекомендуемой литературы.htm"},
        {"N111", "Задания на СРС.htm"},
        {"N121", "График выполнения и сдачи заданий по дисциплине.htm"},
        {"N131", "Вопросы рубежных контролей.htm"},
        {"N14", "Руководство.htm"},
    };
    for (const auto& [item, file] : documents) {
        Form3->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        EXPECT_EQ(shown(), lecture(QString::fromUtf8(file))) << item;
    }
}

TEST_F(MainWindowTest, LectureClickShowsTheExactTopicsFileInTheView)
{
    Form3->N1->trigger();
    clickTopic(QStringLiteral("Эпоха"));
    EXPECT_EQ(shown(), lecture(QStringLiteral("epoch.htm")));
    clickTopic(QStringLiteral("Эпоха Возрождения"));
    EXPECT_EQ(shown(), lecture(QStringLiteral("renaissance.htm")));
    // A document in between leaves the mode, so the next click still shows a lecture.
    Form3->N8->trigger();
    clickTopic(QStringLiteral("Эпоха"));
    EXPECT_EQ(shown(), lecture(QStringLiteral("epoch.htm")));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, LectureInASubfolderIsReadAfterTheClickInItsOwnCharset)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Ведомости', 'Россия\\Ведомости.htm')"));
    DataModule2->ADOTable3->close();
    DataModule2->ADOTable3->open();
    QStringEncoder cyrillic("windows-1251");
    course.writeFile(QStringLiteral("Teoria/Россия/Ведомости.htm"),
                     "<meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><h1>"
                         + QByteArray(cyrillic.encode(QStringLiteral("Первая газета"))) + "</h1>");
    Form3->N1->trigger();
    clickTopic(QStringLiteral("Ведомости"));
    EXPECT_EQ(shown(), lecture(QStringLiteral("Россия\\Ведомости.htm")));
    QCoreApplication::processEvents();
    EXPECT_EQ(Form3->WebBrowser1->toPlainText(), QStringLiteral("Первая газета"));
}

TEST_F(MainWindowTest, PresentationClickHandsTheRelativePathToTheDesktop)
{
    Form3->N15->trigger();
    clickTopic(QStringLiteral("Карты"));
    clickTopic(QStringLiteral("Карты и схемы"));
    EXPECT_EQ(opened, (QStringList{"Teoria\\Present\\just maps.ppt", "Teoria\\Present\\maps.ppt"}));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(MainWindowTest, EditedEntryTextIsLookedUpAndNothingIsStored)
{
    Form3->N1->trigger();
    Form3->TreeView1->topLevelItem(0)->setText(0, QStringLiteral("эпоха"));
    clickTopic(QStringLiteral("эпоха"));
    EXPECT_EQ(shown(), lecture(QStringLiteral("epoch.htm")));
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia WHERE id = 1")), QStringList{"Эпоха Возрождения"});
}

TEST_F(MainWindowTest, NullFileStopsTheClickWithTheConversionMessage)
{
    Form3->N1->trigger();
    clickTopic(QStringLiteral("Эпоха"));
    clickTopic(QStringLiteral("Пустая"));
    Form3->N15->trigger();
    clickTopic(QStringLiteral("Без файла"));
    EXPECT_EQ(boxes.texts(), (QStringList{"Could not convert variant of type (Null) into type (OleStr)",
                                          "Could not convert variant of type (Null) into type (String)"}));
    EXPECT_EQ(shown(), lecture(QStringLiteral("epoch.htm")));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindowTest, OnlyAClickOpensATopic)
{
    // Before any mode is chosen a click does nothing.
    Form3->Panel1->show();
    Form3->TreeView1->show();
    clickTopic(QStringLiteral("Эпоха"));
    EXPECT_TRUE(shown().isEmpty());

    Form3->N1->trigger();
    Form3->TreeView1->setFocus();
    Form3->TreeView1->setCurrentItem(Form3->TreeView1->topLevelItem(0));
    QTest::keyClick(Form3->TreeView1, Qt::Key_Down);
    EXPECT_EQ(Form3->TreeView1->currentItem()->text(0), QStringLiteral("Эпоха"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, EnterOpensTheMarkedTopicWhileTheArrowsOnlyMove)
{
    course.writeFile(QStringLiteral("Teoria/epoch.htm"), "<title>Эпоха перемен</title><p>Текст</p>");
    Form3->N1->trigger();
    Form3->TreeView1->setFocus();
    Form3->TreeView1->setCurrentItem(Form3->TreeView1->topLevelItem(0));
    QTest::keyClick(Form3->TreeView1, Qt::Key_Down);
    EXPECT_TRUE(shown().isEmpty());
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(Form3->TreeView1, enter);
        EXPECT_EQ(shown(), lecture(QStringLiteral("epoch.htm")));
        EXPECT_EQ(Form3->TreeView1->findChildren<QLineEdit*>().size(), 0);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Form3->WebBrowser1->accessibleName(), QStringLiteral("Эпоха перемен"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, F10OpensTheMainMenu)
{
    Form3->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    QTest::keyClick(Form3, Qt::Key_F10);
    EXPECT_EQ(Form3->MainMenu1->activeAction(), Form3->N1);
    EXPECT_TRUE(Form3->MainMenu1->hasFocus());
    QTest::keyClick(Form3->MainMenu1, Qt::Key_Return);
    EXPECT_EQ(Form3->browsingMode(), QStringLiteral("лекции"));
}

TEST_F(MainWindowTest, ListsAndViewsHaveNamesForScreenReaders)
{
    const std::pair<QWidget*, QString> named[] = {
        {Form3->TreeView1, QStringLiteral("Темы")},
        {Form14->TreeView1, QStringLiteral("Темы фотографий")},
        {Form13->sListBox1, QStringLiteral("Мультимедиа")},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name)
            << widget->objectName().toStdString();
    // A document without a title is named after its file.
    Form3->N9->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Form3->WebBrowser1->accessibleName(), QStringLiteral("Планы практических занятий"));
}

TEST_F(MainWindowTest, ExitClosesSixTablesThenPresentationsStillWorkAndLecturesFail)
{
    Form3->N1->trigger();
    Form3->N3->trigger();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    QStringList open;
    for (Table* table : DataModule2->findChildren<Table*>())
        if (table->isOpen())
            open.append(table->objectName());
    open.sort();
    EXPECT_EQ(open, (QStringList{"ADOTable2", "ADOTable7"}));

    Form3->N15->trigger();
    EXPECT_EQ(topics(), (QStringList{"Карты и схемы", "Карты", "Без файла"}));
    EXPECT_TRUE(boxes.empty());

    Form3->N1->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{closedLectures});
    EXPECT_EQ(Form3->browsingMode(), QStringLiteral("лекции"));
    EXPECT_TRUE(topics().isEmpty());
    EXPECT_TRUE(Form3->Panel1->isVisible());
    EXPECT_TRUE(Form3->Panel2->isVisible());
}

} // namespace
