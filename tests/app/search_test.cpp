#include "app/courseindex.h"
#include "app/coursesearchwindow.h"
#include "app/htmltext.h"
#include "app/searchbar.h"
#include "app/searchwords.h"
#include "app/startup.h"
#include "app/tform1.h"
#include "app/tform3.h"
#include "data/connection.h"
#include "data/statement.h"
#include "platform/htmlview.h"
#include "platform/pictureview.h"
#include "platform/programfolder.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsprogressbar.h"
#include "skin/controls/tstreeview.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/tsskinmanager.h"
#include "tests/app/lecturereader.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace {

struct WordCase {
    std::string name;
    QString query;
    QString text;
    bool found;
};

class SearchWords : public ::testing::TestWithParam<WordCase> {};

// A query finds the other forms of its words, whatever the case and whichever of "ё" and "е".
TEST_P(SearchWords, FindTheOtherFormsOfAWord)
{
    EXPECT_EQ(searchwords::stemPattern(GetParam().query).match(GetParam().text).hasMatch(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchWords,
    ::testing::Values(WordCase{"same form", QStringLiteral("телеграф"), QStringLiteral("первый телеграф"), true},
                      WordCase{"longer form", QStringLiteral("телеграф"), QStringLiteral("с телеграфом"), true},
                      WordCase{"query in another form", QStringLiteral("телеграфа"), QStringLiteral("Телеграф Морзе"),
                               true},
                      WordCase{"yo in the query", QStringLiteral("ёж"), QStringLiteral("ежовые рукавицы"), true},
                      WordCase{"yo in the text", QStringLiteral("еж"), QStringLiteral("ЁЖИК"), true},
                      WordCase{"inside a word only", QStringLiteral("граф"), QStringLiteral("телеграф"), false},
                      WordCase{"other word", QStringLiteral("радио"), QStringLiteral("телеграф"), false}),
    CaseName());

// Folding is the toolkit's lower case with "ё" as "е", whichever letters a text holds.
TEST(SearchWords, FoldingIsLowerCaseWithYoAsYe)
{
    for (const QString& text : {QStringLiteral("Ёжик в ТУМАНЕ, Telegraph"), QStringLiteral("ÉTÉ Ωμέγα İstanbul ß"),
                                QStringLiteral("знак 𐐀 вне плоскости"), QStringLiteral("«Ведомости» — №5")})
        EXPECT_EQ(searchwords::folded(text), text.toLower().replace(u'ё', u'е')) << text.toStdString();
}

struct HtmlTextCase {
    std::string name;
    QString html;
    QString text;
};

class HtmlText : public ::testing::TestWithParam<HtmlTextCase> {};

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return text.split(separators, Qt::SkipEmptyParts);
}

// The index reads what a reader sees, and no two words of different blocks run together (where
// the toolkit's own reading joins "два" and "три" or loses the text after a head without a body).
TEST_P(HtmlText, ReadsTheWordsAReaderSees)
{
    EXPECT_EQ(htmltext::plainText(GetParam().html), GetParam().text);
}

// A lecture as a word processor saves it reads as the full layout reads it, word for word.
TEST(HtmlText, AWordProcessorLectureReadsAsTheToolkitReadsIt)
{
    const QString html = QStringLiteral(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\"><head><meta charset=utf-8><title>Лекция 3</title>"
        "<style><!-- p.MsoNormal {margin:0cm; font-size:12.0pt} --></style></head>"
        "<body lang=RU><div class=WordSection1><h1 align=center style='text-align:center'>Телеграф "
        "<span style='color:blue'>Морзе</span></h1>"
        "<p class=MsoNormal style='text-indent:1.0cm'>Первый&nbsp;аппарат&nbsp;&mdash; 1837&nbsp;г.<sup>1</sup>"
        "<o:p></o:p></p><ul><li>точка</li><li>тире</li></ul>"
        "<table border=1><tr><td><p>Знак</p></td><td><p>Код</p></td></tr><tr><td>А</td><td>&middot;&ndash;</td></tr>"
        "</table><p>Сноска&#160;1: &laquo;Ведомости&raquo;, &#x2116;&nbsp;5.</p></div></body></html>");
    EXPECT_EQ(wordsOf(htmltext::plainText(html)), wordsOf(QTextDocumentFragment::fromHtml(html).toPlainText()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, HtmlText,
    ::testing::Values(
        HtmlTextCase{"paragraphs and inline tags",
                     QStringLiteral("<html><body><h1>Теле<b>граф</b></h1><p>Первый\n   аппарат</p><p>Морзе</p>"),
                     QStringLiteral("Телеграф\nПервый аппарат\nМорзе")},
        HtmlTextCase{"hidden parts",
                     QStringLiteral("<head><title>Заголовок</title><style>p{color:red}</style>"
                                    "<script>var a = '<p>';</script></head><!-- <p>нет</p> -->текст"),
                     QStringLiteral("текст")},
        HtmlTextCase{"uppercase tags", QStringLiteral("<P>один<BR>два</P><SCRIPT src='a.js'></SCRIPT>три"),
                     QStringLiteral("один\nдва\nтри")},
        HtmlTextCase{"table cells", QStringLiteral("<table><tr><td>ячейка</td><td>соседняя</td></tr></table>"),
                     QStringLiteral("ячейка\nсоседняя")},
        HtmlTextCase{"character references",
                     QStringLiteral("&laquo;Ведомости&raquo;&nbsp;&#8212; &#x41;&amp;B &eacute;t&eacute; &copy"),
                     QStringLiteral("«Ведомости» — A&B été ©")},
        HtmlTextCase{"text that looks like markup", QStringLiteral("a < b &unknown; 3&4 <a title=\"x > y\">ссылка</a>"),
                     QStringLiteral("a < b &unknown; 3&4 ссылка")},
        HtmlTextCase{"preformatted text keeps its lines", QStringLiteral("<pre>x = 1\n  y = 2</pre>после"),
                     QStringLiteral("x = 1\n  y = 2\nпосле")}),
    CaseName());

QByteArray page(const QString& body)
{
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>%1</body></html>").arg(body).toUtf8();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Searches as the reader does, at once, and waits for the index to be ready to answer it.
void searchOnceReady(CourseSearchWindow& window)
{
    window.search();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.indexReady(); }, 30000));
}

class CourseIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(lecture(QStringLiteral("a.htm")),
                  page(QStringLiteral("<h1>Телеграф</h1><p>Сообщение по телеграфу шло "
                                      "минуты.</p>")));
        QStringEncoder cyrillic("windows-1251");
        writeFile(
            lecture(QStringLiteral("old.htm")),
            cyrillic.encode(QStringLiteral("<html><body><p>Ёжик в тумане и газета «Ведомости».</p></body></html>")));
        writeFile(lecture(QStringLiteral("Россия/b.htm")), page(QStringLiteral("<p>Радио Попова—café.</p>")));
        documents = {{lecture(QStringLiteral("a.htm")), QStringLiteral("Телеграф")},
                     {lecture(QStringLiteral("old.htm")), QStringLiteral("Старая лекция")},
                     {lecture(QStringLiteral("Россия/b.htm")), QStringLiteral("Радио")}};
    }
    QString lecture(const QString& name) const { return folder.filePath(QStringLiteral("Teoria/") + name); }
    QString cache() const { return folder.filePath(QStringLiteral("settings/course-search.sqlite")); }
    static QStringList topics(const QList<SearchHit>& hits)
    {
        QStringList result;
        for (const SearchHit& hit : hits)
            result << hit.topic;
        return result;
    }

    QTemporaryDir folder;
    QList<CourseDocument> documents;
};

TEST_F(CourseIndexTest, FindsWordsInEveryDocumentWithTheTextAroundTheHit)
{
    CourseIndex index(cache());
    EXPECT_EQ(index.update(documents), 3);
    const QList<SearchHit> telegraph = index.search(QStringLiteral("Телеграфом"));
    ASSERT_EQ(topics(telegraph), QStringList{QStringLiteral("Телеграф")});
    EXPECT_TRUE(telegraph[0].snippet.contains(QStringLiteral("Телеграф"))) << telegraph[0].snippet.toStdString();
    EXPECT_EQ(topics(index.search(QStringLiteral("ежик"))), QStringList{QStringLiteral("Старая лекция")});
    EXPECT_EQ(index.search(QStringLiteral("ежик"))[0].snippet, QStringLiteral("Ёжик в тумане и газета «Ведомости»."));
    EXPECT_EQ(topics(index.search(QStringLiteral("радио попов"))), QStringList{QStringLiteral("Радио")});
    EXPECT_EQ(topics(index.search(QStringLiteral("ведомости"))), QStringList{QStringLiteral("Старая лекция")})
        << "a word in quotes of the typesetter's";
    EXPECT_EQ(topics(index.search(QStringLiteral("попов cafe"))), QStringList{QStringLiteral("Радио")})
        << "words on either side of a dash, and a Latin letter without its accent";
    EXPECT_TRUE(index.search(QStringLiteral("радио телеграф")).isEmpty());
    EXPECT_TRUE(index.search(QStringLiteral("спутник")).isEmpty());
    EXPECT_TRUE(index.search(QStringLiteral("\"*(")).isEmpty());
}

TEST_F(CourseIndexTest, ReadsAgainOnlyWhatChangedAndForgetsWhatIsGone)
{
    {
        CourseIndex index(cache());
        index.update(documents);
    }
    CourseIndex index(cache());
    EXPECT_EQ(index.update(documents), 0);
    writeFile(lecture(QStringLiteral("a.htm")), page(QStringLiteral("<p>Теперь здесь о спутниках связи.</p>")));
    documents.removeLast();
    EXPECT_EQ(index.update(documents), 1);
    EXPECT_EQ(topics(index.search(QStringLiteral("спутник"))), QStringList{QStringLiteral("Телеграф")});
    EXPECT_EQ(index.matchCount(QStringLiteral("телеграфу")), 0) << "the changed lecture's old words are forgotten";
    EXPECT_EQ(index.matchCount(QStringLiteral("радио")), 0) << "and so are those of the lecture gone";
    EXPECT_EQ(index.matchCount(QStringLiteral("спутник")), 1);
}

TEST_F(CourseIndexTest, ADamagedCacheIsMadeAfresh)
{
    writeFile(cache(), QByteArray(4096, 'x'));
    CourseIndex index(cache());
    EXPECT_EQ(index.update(documents), 3);
    EXPECT_EQ(index.search(QStringLiteral("радио")).size(), 1);
}

// A lecture that stopped being text (a damaged disk, a picture saved under its name) is left out
// and named, and what was found in it before is not found any more.
TEST_F(CourseIndexTest, ADocumentThatIsNotTextIsLeftOutAndNamed)
{
    CourseSearchWindow window([this] { return documents; }, cache());
    window.queryEdit->setText(QStringLiteral("радио"));
    searchOnceReady(window);
    ASSERT_EQ(window.hits().size(), 1);
    QByteArray damaged(64 * 1024, Qt::Uninitialized);
    for (qsizetype at = 0; at < damaged.size(); ++at)
        damaged[at] = char(at * 7919 % 251);
    writeFile(lecture(QStringLiteral("Россия/b.htm")), damaged);
    window.search();
    EXPECT_TRUE(window.hits().isEmpty());
    EXPECT_TRUE(window.statusLabel->text().startsWith(QStringLiteral("Ничего не найдено.\nНе вошёл в поиск файл ")));
    EXPECT_TRUE(window.statusLabel->text().contains(QDir::toNativeSeparators(lecture(QStringLiteral("Россия/b.htm")))));
    EXPECT_TRUE(window.statusLabel->text().contains(QStringLiteral("Это не текст")));

    writeFile(lecture(QStringLiteral("Россия/b.htm")), page(QStringLiteral("<p>Радио снова здесь.</p>")));
    CourseIndex index(cache());
    EXPECT_EQ(index.update(documents), 1);
    EXPECT_TRUE(index.leftOut().isEmpty());
    EXPECT_EQ(topics(index.search(QStringLiteral("радио"))), QStringList{QStringLiteral("Радио")});
}

struct CacheCase {
    const char* name;
    // Leaves in the cache's place what the program may find there.
    void (*leave)(const QString& cache);
    bool kept;
};

class UnusableCache : public CourseIndexTest, public ::testing::WithParamInterface<CacheCase> {};

TEST_P(UnusableCache, SearchStillFindsAndTheIndexIsKeptWhereverItCanBe)
{
    GetParam().leave(cache());
    {
        CourseIndex index(cache());
        EXPECT_EQ(index.notKeptReason().isEmpty(), GetParam().kept) << index.notKeptReason().toStdString();
        EXPECT_EQ(index.update(documents), 3);
        EXPECT_EQ(topics(index.search(QStringLiteral("радио"))), QStringList{QStringLiteral("Радио")});
    }
    CourseIndex again(cache());
    EXPECT_EQ(again.update(documents), GetParam().kept ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableCache,
    ::testing::Values(
        CacheCase{"older_layout",
                  [](const QString& cache) {
                      QDir().mkpath(QFileInfo(cache).absolutePath());
                      Connection older;
                      older.open(cache, Connection::Mode::Create);
                      Statement(older, QStringLiteral("CREATE TABLE files (name TEXT, text TEXT)")).run();
                      Statement(older, QStringLiteral("INSERT INTO files VALUES ('a.htm', 'радио')")).run();
                  },
                  true},
        CacheCase{
            "laid_out_by_the_previous_version",
            [](const QString& cache) {
                // It knows the lecture as it is now, read with another tokenizer and kept
                // in words of its own; taken as it is, the lecture would not be read again.
                QDir().mkpath(QFileInfo(cache).absolutePath());
                const QFileInfo lecture(
                    QDir::cleanPath(QFileInfo(cache).absolutePath() + QStringLiteral("/../Teoria/Россия/b.htm")));
                Connection previous;
                previous.open(cache, Connection::Mode::Create);
                Statement(previous, QStringLiteral("CREATE TABLE files (path TEXT PRIMARY KEY, size INTEGER, "
                                                   "modified INTEGER, topic TEXT, body TEXT)"))
                    .run();
                Statement(previous, QStringLiteral("CREATE VIRTUAL TABLE words USING fts5(folded)")).run();
                Statement known(previous, QStringLiteral("INSERT INTO files VALUES (?, ?, ?, 'Радио', 'Прежнее')"));
                known.bind(1, lecture.absoluteFilePath());
                known.bind(2, FieldValue(lecture.size()));
                known.bind(3, FieldValue(lecture.lastModified().toMSecsSinceEpoch()));
                known.run();
                Statement(previous, QStringLiteral("INSERT INTO words (rowid, folded) VALUES (1, 'прежнее')")).run();
                Statement(previous, QStringLiteral("PRAGMA user_version = 1")).run();
            },
            true},
        CacheCase{"folder_in_its_place", [](const QString& cache) { QDir().mkpath(cache); }, false},
        CacheCase{"settings_folder_cannot_be_made",
                  [](const QString& cache) { writeFile(QFileInfo(cache).absolutePath(), {}); }, false}),
    CaseName());

// Stopped halfway (the window closed while building), an update keeps what it read and forgets
// nothing, so that the next one reads only the rest.
TEST_F(CourseIndexTest, AnUpdateStoppedHalfwayKeepsWhatItReadAndTheNextReadsTheRest)
{
    {
        CourseIndex index(cache());
        EXPECT_EQ(index.update(documents, [](int done, int) { return done < 1; }), 1);
    }
    CourseIndex index(cache());
    QList<int> told;
    const auto tell = [&](int done, int total) {
        EXPECT_EQ(total, 3);
        told << done;
        return true;
    };
    EXPECT_EQ(index.update(documents, tell), 2);
    EXPECT_EQ(told, (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(topics(index.search(QStringLiteral("телеграф"))), QStringList{QStringLiteral("Телеграф")});
}

class IndexBuiltMeanwhile : public CourseIndexTest {
protected:
    // Enough lectures that the window is still building when the test acts.
    void SetUp() override
    {
        CourseIndexTest::SetUp();
        for (int number = 0; number < 1000; ++number) {
            const QString name = lecture(QStringLiteral("many/%1.htm").arg(number));
            writeFile(name, page(QStringLiteral("<p>Лекция номер %1 о телеграфе.</p>").arg(number)));
            documents.append({name, QStringLiteral("Тема %1").arg(number)});
        }
    }
    static bool told(const CourseSearchWindow& window)
    {
        return window.statusLabel->text().startsWith(QStringLiteral("Подготовка указателя курса… Прочитано"));
    }
};

TEST_F(IndexBuiltMeanwhile, AQueryAskedWhileTheIndexIsPreparedIsAnsweredWhenItIsReady)
{
    CourseSearchWindow window([this] { return documents; }, cache());
    window.show();
    EXPECT_TRUE(window.statusLabel->text().startsWith(QStringLiteral("Подготовка указателя курса…")));
    EXPECT_TRUE(window.indexProgress->isVisible());
    EXPECT_EQ(window.indexProgress->maximum(), documents.size());
    window.queryEdit->setText(QStringLiteral("радио"));
    window.search();
    EXPECT_TRUE(window.hits().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.indexReady(); }, 60000));
    EXPECT_FALSE(window.indexProgress->isVisible());
    EXPECT_EQ(topics(window.hits()), QStringList{QStringLiteral("Радио")});
    EXPECT_EQ(window.statusLabel->text(), QStringLiteral("Найдено документов: 1. Дважды щёлкните, чтобы открыть."));
}

// Closing the window stops the build and keeps what it read: the cache is free for the next
// update, which reads only the rest. A window destroyed while building (the program closed)
// leaves nothing running behind it.
TEST_F(IndexBuiltMeanwhile, ClosingTheWindowStopsTheBuildAndKeepsWhatWasRead)
{
    CourseSearchWindow window([this] { return documents; }, cache());
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return told(window); }));
    window.close();
    EXPECT_FALSE(window.indexReady());
    CourseIndex index(cache());
    const int read = index.update(documents);
    EXPECT_GT(read, 0);
    EXPECT_LT(read, documents.size());

    auto destroyed = std::make_unique<CourseSearchWindow>([this] { return documents; },
                                                          folder.filePath(QStringLiteral("other.sqlite")));
    destroyed->queryEdit->setText(QStringLiteral("радио"));
    destroyed->search();
    ASSERT_TRUE(QTest::qWaitFor([&] { return told(*destroyed); }));
    destroyed.reset();
    QTest::qWait(20);
}

TEST_F(CourseIndexTest, TheSearchWindowTellsOnceThatTheIndexCannotBeKept)
{
    QDir().mkpath(cache());
    MessageRecorder boxes;
    CourseSearchWindow window([this] { return documents; }, cache());
    window.queryEdit->setText(QStringLiteral("радио"));
    searchOnceReady(window);
    window.search();
    EXPECT_EQ(window.hits().size(), 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("Указатель для поиска по курсу не удаётся сохранить")))
        << boxes.texts()[0].toStdString();
}

TEST_F(CourseIndexTest, TheCountSaysHowManyDocumentsMatchedBeyondTheListedOnes)
{
    documents.clear();
    for (int number = 0; number < CourseIndex::listedHits + 20; ++number) {
        const QString name = lecture(QStringLiteral("many/%1.htm").arg(number));
        writeFile(name, page(QStringLiteral("<p>Радио номер %1.</p>").arg(number)));
        documents.append({name, QStringLiteral("Тема %1").arg(number)});
    }
    CourseSearchWindow window([this] { return documents; }, cache());
    window.queryEdit->setText(QStringLiteral("радио"));
    searchOnceReady(window);
    EXPECT_EQ(window.hits().size(), CourseIndex::listedHits);
    EXPECT_EQ(window.statusLabel->text(),
              QStringLiteral("Найдено документов: 120, показаны первые 100. Дважды щёлкните, чтобы открыть."));
    window.queryEdit->setText(QStringLiteral("номер 119"));
    window.search();
    EXPECT_EQ(window.statusLabel->text(), QStringLiteral("Найдено документов: 1. Дважды щёлкните, чтобы открыть."));
}

// The main window on a course of two lectures, one of them in windows-1251 in a sub-folder.
class MainWindowSearch : public LectureReader {
protected:
    void SetUp() override
    {
        course.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Почта', 'post.htm'), "
                                   "('Ведомости', 'Россия\\Ведомости.htm');"));
        QString post;
        for (int paragraph = 0; paragraph < 100; ++paragraph)
            post += QStringLiteral("<p>Почтовая станция номер %1.</p>").arg(paragraph);
        course.writeFile(QStringLiteral("Teoria/post.htm"),
                         page(post + QStringLiteral("<p>Здесь стоял телеграф.</p>")));
        QStringEncoder cyrillic("windows-1251");
        course.writeFile(
            QStringLiteral("Teoria/Россия/Ведомости.htm"),
            cyrillic.encode(QStringLiteral("<html><body><p>Первая русская газета о телеграфах.</p></body></html>")));
        start();
    }

    static QString selected() { return Form3->WebBrowser1->textCursor().selectedText(); }
    // Whether the hit shown is marked, and every mark is a hit of this text.
    static bool shownHitIsMarkedAmongHitsOf(const QString& text)
    {
        bool shownMarked = false;
        for (const QTextEdit::ExtraSelection& mark : Form3->WebBrowser1->extraSelections()) {
            if (mark.cursor.selectedText().compare(text, Qt::CaseInsensitive) != 0)
                return false;
            shownMarked = shownMarked || mark.cursor == Form3->WebBrowser1->textCursor();
        }
        return shownMarked;
    }

    TestCourse course;
    MessageRecorder boxes;
};

TEST_F(MainWindowSearch, TheBarMarksEveryHitAndStepsThroughThemRoundTheEnds)
{
    open(QStringLiteral("Почта"));
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    SearchBar* bar = Form3->searchBar();
    ASSERT_TRUE(bar->isVisible());
    bar->edit->setText(QStringLiteral("станция номер 9"));
    EXPECT_EQ(bar->hitCount(), 11); // 9 and 90 to 99
    EXPECT_EQ(bar->countLabel->text(), QStringLiteral("Совпадений: 11"));
    EXPECT_EQ(selected(), QStringLiteral("станция номер 9"));
    EXPECT_TRUE(shownHitIsMarkedAmongHitsOf(selected()));
    const int first = Form3->WebBrowser1->textCursor().selectionStart();
    QTest::keyClick(bar->edit, Qt::Key_Return);
    EXPECT_GT(Form3->WebBrowser1->textCursor().selectionStart(), first);
    QTest::keyClick(bar->edit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(bar->edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_GT(Form3->WebBrowser1->textCursor().selectionStart(), first); // round to the last hit
    bar->edit->setText(QStringLiteral("СТАНЦИЯ НОМЕР 1000"));
    EXPECT_EQ(bar->countLabel->text(), QStringLiteral("Не найдено"));
    QTest::keyClick(bar->edit, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(Form3->WebBrowser1->extraSelections().isEmpty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSearch, CourseSearchFindsTheOldLectureInItsFolderAndOpensItAtTheHit)
{
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    CourseSearchWindow* window = Form3->courseSearch();
    ASSERT_TRUE(window->isVisible());
    window->queryEdit->setText(QStringLiteral("телеграф"));
    searchOnceReady(*window);
    ASSERT_EQ(window->hits().size(), 2);
    int old = window->hits()[0].topic == QStringLiteral("Ведомости") ? 0 : 1;
    EXPECT_EQ(window->hits()[old].path, nativePath(programFolder() + QStringLiteral("Teoria/Россия/Ведомости.htm")));
    emit window->resultList->itemActivated(window->resultList->item(old));
    ASSERT_TRUE(QTest::qWaitFor([] { return !Form3->WebBrowser1->loadPending(); }));
    EXPECT_EQ(selected(), QStringLiteral("телеграфах"));
    EXPECT_TRUE(Form3->searchBar()->isVisible());
    // The lecture's topic is marked as a click on it would have marked it.
    ASSERT_NE(Form3->TreeView1->currentItem(), nullptr);
    EXPECT_EQ(Form3->TreeView1->currentItem()->text(0), QStringLiteral("Ведомости"));
    EXPECT_TRUE(Form3->TreeView1->currentItem()->isSelected());
    EXPECT_TRUE(boxes.empty());
}

// The course search wears the skin's frame like every other window, not the desktop's title bar
// above the skin's; without a skin it has the desktop's frame alone.
TEST_F(MainWindowSearch, TheCourseSearchHasOneTitleBar)
{
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    CourseSearchWindow* window = Form3->courseSearch();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->sSkinProvider1->frameSkinned());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->parentWidget(), Form3);
    EXPECT_TRUE(window->isWindow());
    Form1->sSkinManager1->setActive(false);
    EXPECT_FALSE(window->sSkinProvider1->frameSkinned());
    EXPECT_FALSE(window->windowFlags() & Qt::FramelessWindowHint);
    Form1->sSkinManager1->setActive(true);
    EXPECT_TRUE(window->sSkinProvider1->frameSkinned());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSearch, EscClosesTheCourseSearch)
{
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    CourseSearchWindow* window = Form3->courseSearch();
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(window->queryEdit, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(MainWindowSearch, F3AfterTheBarIsClosedBringsItBackAtTheNextHit)
{
    open(QStringLiteral("Почта"));
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    SearchBar* bar = Form3->searchBar();
    bar->edit->setText(QStringLiteral("станция номер 9"));
    const int first = Form3->WebBrowser1->textCursor().selectionStart();
    QTest::keyClick(bar->edit, Qt::Key_Escape);
    ASSERT_FALSE(bar->isVisible());
    QTest::keyClick(Form3->WebBrowser1, Qt::Key_F3);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->hitCount(), 11);
    EXPECT_GT(Form3->WebBrowser1->textCursor().selectionStart(), first);
    EXPECT_EQ(selected(), QStringLiteral("станция номер 9"));
    EXPECT_TRUE(shownHitIsMarkedAmongHitsOf(selected()));
}

// A long lecture has tens of thousands of hits of a single letter: they are all counted, but only
// those in view are marked, and the ones further down once the reader gets there.
TEST_F(MainWindowSearch, ALongLectureMarksTheHitsInViewWhereverTheReaderIs)
{
    QString stations;
    for (int paragraph = 0; paragraph < 3000; ++paragraph)
        stations += QStringLiteral("<p>Станция %1.</p>").arg(paragraph);
    course.writeFile(QStringLiteral("Teoria/post.htm"), page(stations));
    open(QStringLiteral("Почта"));
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    SearchBar* bar = Form3->searchBar();
    bar->edit->setText(QStringLiteral("станция"));
    EXPECT_EQ(bar->hitCount(), 3000);
    const qsizetype marked = Form3->WebBrowser1->extraSelections().size();
    EXPECT_GT(marked, 0);
    EXPECT_LT(marked, 1000);
    // Back round the top to the last hit, at the very end.
    QTest::keyClick(bar->edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Form3->WebBrowser1->textCursor().block().text(), QStringLiteral("Станция 2999."));
    EXPECT_TRUE(shownHitIsMarkedAmongHitsOf(QStringLiteral("станция")));
    EXPECT_TRUE(boxes.empty());
}

} // namespace
