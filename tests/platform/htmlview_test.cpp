#include "platform/htmlview.h"
#include "platform/shellopen.h"
#include "tests/platform/picture_fixtures.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/casename.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace {

const QString greeting = QStringLiteral("Привет, история!");

QByteArray encoded(const char* codec, const QString& text)
{
    QStringEncoder encoder(codec);
    return encoder.encode(text);
}

struct Encoding {
    const char* name;
    QByteArray bytes;
};

class HtmlCharsetTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(HtmlCharsetTest, CyrillicTextComesOutRight)
{
    EXPECT_TRUE(HtmlView::decodeHtml(GetParam().bytes).contains(greeting)) << GetParam().name;
}

QByteArray page(const char* head, const char* codec)
{
    return QByteArray("<html><head>") + head + "</head><body><p>" + encoded(codec, greeting) + "</p></body></html>";
}

INSTANTIATE_TEST_SUITE_P(
    Declared, HtmlCharsetTest,
    ::testing::Values(Encoding{"http-equiv windows-1251",
                               page("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1251\">",
                                    "windows-1251")},
                      Encoding{"meta charset utf-8", page("<meta charset='utf-8'>", "UTF-8")},
                      Encoding{"meta charset koi8-r", page("<meta charset=koi8-r>", "KOI8-R")},
                      Encoding{"UTF-8 byte-order mark over a wrong declaration",
                               QByteArray("\xEF\xBB\xBF") + page("<meta charset=windows-1251>", "UTF-8")},
                      Encoding{"undeclared UTF-8", page("", "UTF-8")},
                      Encoding{"undeclared windows-1251", page("", "windows-1251")},
                      Encoding{"unknown charset name, UTF-8 text", page("<meta charset=no-such-charset>", "UTF-8")}),
    CaseName());

// Without a declaration, text is UTF-8 only when all of it is: a letter of another charset at the very
// end looks like the start of a UTF-8 sequence, and must not be dropped as one.
TEST(HtmlCharset, UndeclaredTextIsUtf8OnlyWhenItIsWhole)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray("Hello \xD0"), QStringLiteral("Hello Р")},
        {QByteArray("\xD0\xD0 \xD0"), QStringLiteral("РР Р")},
        {QByteArray("Hello \xD0\x9F"), QStringLiteral("Hello П")},
        {QByteArray("Hello"), QStringLiteral("Hello")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlView::decodeHtml(c.bytes), c.text) << c.bytes.toHex().constData();
}

class HtmlViewTest : public ::testing::Test {
protected:
    QString write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    HtmlView view;
    MessageRecorder boxes;
};

TEST_F(HtmlViewTest, LoadsAfterTheCallerReturnsAndOnlyTheLastOfSeveral)
{
    write(QStringLiteral("Teoria/a.htm"), "<p>first</p>");
    write(QStringLiteral("Teoria/b.htm"), "<p>second</p>");
    // Paths arrive written as the course stores them.
    view.navigate(dir.path() + QStringLiteral("/Teoria\\a.htm"));
    view.navigate(dir.path() + QStringLiteral("/Teoria\\b.htm"));
    EXPECT_EQ(view.locationPath(), dir.path() + QStringLiteral("/Teoria\\b.htm"));
    EXPECT_TRUE(view.toPlainText().isEmpty());
    EXPECT_TRUE(view.loadPending());
    settle();
    EXPECT_EQ(view.toPlainText(), QStringLiteral("second"));
}

TEST_F(HtmlViewTest, RelativePicturesComeFromTheDocumentsFolderEvenAsMetafiles)
{
    write(QStringLiteral("Teoria/Лекция 1.htm"), "<p>text</p><img src=\"pics/map.wmf\">");
    write(QStringLiteral("Teoria/pics/map.wmf"), fixtures::wmf(0, 0, 720, 360, 1440, {}));
    view.navigate(dir.filePath(QStringLiteral("Teoria/Лекция 1.htm")));
    settle();
    QString imageName;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                imageName = it.fragment().charFormat().toImageFormat().name();
    ASSERT_EQ(imageName, QStringLiteral("pics/map.wmf"));
    const QImage image = view.document()->resource(QTextDocument::ImageResource, QUrl(imageName)).value<QImage>();
    EXPECT_EQ(image.size(), QSize(48, 24));
}

TEST_F(HtmlViewTest, MissingOrUnreadableFileShowsANoticeNotABox)
{
    const QStringList paths = {dir.filePath(QStringLiteral("Teoria/нет.htm")), dir.path()};
    for (const QString& path : paths) {
        view.navigate(path);
        settle();
        EXPECT_TRUE(view.toPlainText().startsWith(QStringLiteral("Страницу не удаётся показать.")))
            << path.toStdString();
        EXPECT_TRUE(view.toPlainText().contains(path));
    }
    EXPECT_TRUE(boxes.empty());
}

QByteArray randomBytes(qsizetype size)
{
    QRandomGenerator generator(23);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

struct DocumentCase {
    const char* name;
    QByteArray bytes;
    bool text;
};

class DocumentKindTest : public HtmlViewTest, public ::testing::WithParamInterface<DocumentCase> {};

// What is not text is refused by name, not shown as a screenful of garbled letters.
TEST_P(DocumentKindTest, OnlyTextIsShown)
{
    const QString path = write(QStringLiteral("Teoria/Лекция.htm"), GetParam().bytes);
    view.navigate(path);
    settle();
    const bool refused = view.toPlainText().startsWith(QStringLiteral("Страницу не удаётся показать."));
    EXPECT_EQ(refused, !GetParam().text) << view.toPlainText().left(200).toStdString();
    if (refused) {
        EXPECT_TRUE(view.toPlainText().contains(path));
        EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Это не текст")));
    }
    QString whyNot;
    HtmlView::readDocument(path, &whyNot);
    EXPECT_EQ(whyNot.isEmpty(), GetParam().text);
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentKindTest,
    ::testing::Values(
        DocumentCase{"random_bytes", randomBytes(256 * 1024), false},
        DocumentCase{"a_picture_in_its_place", fixtures::wmf(0, 0, 720, 360, 1440, {}), false},
        DocumentCase{"declared_utf8_gone_bad",
                     QByteArray("<meta charset=utf-8><p>") + randomBytes(4096) + QByteArray("</p>"), false},
        DocumentCase{"utf16_with_its_mark",
                     QByteArray("\xFF\xFE") + encoded("UTF-16LE", QStringLiteral("<p>") + greeting), true},
        DocumentCase{"word_processor_stray_characters",
                     QByteArray("<p>") + QByteArray(300, 'a') + "\x0b" + QByteArray(300, 'b') + "\x07</p>", true},
        DocumentCase{"empty", QByteArray(), true}),
    CaseName());

TEST_F(HtmlViewTest, LinksToPagesStayInTheViewAndOtherFilesGoToTheDesktop)
{
    QStringList opened;
    setShellOpenHandler([&](const QString& path) { opened.append(path); });
    write(QStringLiteral("Teoria/a.htm"), "<a href='b.htm'>next</a>");
    write(QStringLiteral("Teoria/b.htm"), "<p>second page</p>");
    view.navigate(dir.filePath(QStringLiteral("Teoria/a.htm")));
    settle();
    emit view.anchorClicked(QUrl(QStringLiteral("b.htm")));
    settle();
    EXPECT_EQ(view.toPlainText(), QStringLiteral("second page"));
    emit view.anchorClicked(QUrl(QStringLiteral("Present/slides.pdf")));
    EXPECT_EQ(opened, QStringList{dir.filePath(QStringLiteral("Teoria/Present/slides.pdf"))});
    setShellOpenHandler({});
}

TEST_F(HtmlViewTest, OwnVisibleFlagHidesNothing)
{
    view.show();
    view.setBrowserVisible(false);
    EXPECT_FALSE(view.browserVisible());
    EXPECT_TRUE(view.isVisible());
}

} // namespace
