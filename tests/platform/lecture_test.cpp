// Lectures as teachers' tools write them, opened in the HTML view and read back from its document.
#include "platform/htmlview.h"
#include "platform/lecturemarkup.h"
#include "platform/medialength.h"
#include "platform/shellopen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace {

const QString teoria = QStringLiteral(VESTORIA_PROGRAM_DIR "/Teoria/");

class LectureTest : public ::testing::Test {
protected:
    void open(const QString& path)
    {
        view.resize(700, 500);
        view.navigate(path);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !view.loadPending(); }));
    }
    void openHtml(const QByteArray& html)
    {
        QFile file(dir.filePath(QStringLiteral("page.htm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
        file.close();
        open(file.fileName());
    }
    QTextBlock blockStartingWith(const QString& text) const
    {
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
            if (block.text().startsWith(text))
                return block;
        ADD_FAILURE() << "no block starts with " << text.toStdString();
        return {};
    }
    QTextCharFormat formatOf(const QString& text) const
    {
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().contains(text))
                    return it.fragment().charFormat();
        ADD_FAILURE() << "no text " << text.toStdString();
        return {};
    }

    QTemporaryDir dir;
    HtmlView view;
};

TEST_F(LectureTest, WordExportedLectureKeepsItsStyles)
{
    open(teoria + QStringLiteral("lekcia11.htm"));
    const QTextBlock title = blockStartingWith(QStringLiteral("Лекция 11."));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QColor titleColour = title.begin().fragment().charFormat().foreground().color();
    EXPECT_GT(titleColour.blue(), titleColour.red() + 40) << titleColour.name().toStdString();
    const QTextBlockFormat body = blockStartingWith(QStringLiteral("В начале XIX века")).blockFormat();
    EXPECT_GT(body.textIndent(), 20);
    EXPECT_EQ(body.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_TRUE(formatOf(QStringLiteral("Таблица 1.")).fontItalic());
    for (const QString& footnote : {QStringLiteral("1]"), QStringLiteral("2]")})
        EXPECT_EQ(formatOf(footnote).verticalAlignment(), QTextCharFormat::AlignSuperScript) << footnote.toStdString();
    // Nothing of Word's own page and list rules shows as text.
    EXPECT_FALSE(view.toPlainText().contains(QStringLiteral("mso-")));
}

TEST_F(LectureTest, WordTablesHaveThinSingleBordersAndPaddedCells)
{
    open(teoria + QStringLiteral("lekcia11.htm"));
    QTextCursor cursor(blockStartingWith(QStringLiteral("Великобритания")));
    const QTextTable* table = cursor.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->format().borderCollapse());
    EXPECT_EQ(table->format().cellSpacing(), 0);
    const QTextTableCellFormat cell = table->cellAt(cursor).format().toTableCellFormat();
    EXPECT_GT(cell.leftPadding(), 4);
    EXPECT_GT(cell.rightPadding(), 4);
    EXPECT_GT(cell.leftBorder(), 0);
    EXPECT_LE(cell.leftBorder(), 2);
    EXPECT_EQ(cell.leftBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
}

// A browser reads a style block's comment markers as part of the style sheet, but a real comment
// outside one stays a comment, even when it holds a style block of its own.
TEST_F(LectureTest, OnlyCommentMarkersInsideAStyleBlockAreIgnored)
{
    openHtml("<html><head><style><!-- p.a {color:#0000ff; mso-style-name:\"x;y\"} --></style>"
             "<!--[if gte mso 10]><style>p.a {color:#ff0000}</style><![endif]--></head>"
             "<body><p class=a style='mso-list:l0 level1;margin-left:1cm'>blue</p><!-- hidden --></body></html>");
    EXPECT_EQ(formatOf(QStringLiteral("blue")).foreground().color(), QColor(0, 0, 255));
    EXPECT_NEAR(blockStartingWith(QStringLiteral("blue")).blockFormat().leftMargin(), 96 / 2.54, 0.5);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("blue"));
}

// An apostrophe in an unquoted attribute is a letter, not the start of a value that would swallow
// the page's style block.
TEST(LectureMarkup, AnApostropheInAnUnquotedValueEndsNoTag)
{
    const QString page =
        LectureMarkup::prepare(QStringLiteral("<p title=don't>a</p><style><!-- p {margin:1cm} --></style>"));
    EXPECT_EQ(page, QStringLiteral("<p title=don't>a</p><style> p {margin:37.8px} </style>"));
}

// A documentation page as a generator of such pages writes it: its fonts name a family the system
// lacks before the generic one, and its side navigation floats beside the text.
const QByteArray documentationPage =
    "<html><head><style>"
    "body {font-family: 'Segoe UI', sans-serif}"
    "pre.src, div.listing pre {font-family: SFMono-Regular, Menlo, monospace; border: 1px solid #ddd}"
    "code {font-family: \"Fira Code\", monospace}"
    "body > nav.side, #toc {float: left; width: 14em}"
    "</style></head><body>"
    "<nav class='side main'><ul><li><a href='#a'>Menu one</a></li><li>Menu two</li></ul></nav>"
    "<div id=toc><a href='#1'>Part 1</a> <a href='#2'>Part 2</a> <a href='#3'>Part 3</a></div>"
    "<div style='float:right'><img src='none.png' alt=''><p>Figure caption</p></div>"
    "<div class=intro><p>Intro stays</p></div>"
    "<h1>Page title</h1><p>Call <code>main()</code> first.</p>"
    "<pre class=src>int main() { return 0; }</pre><pre>plain output</pre>"
    "<aside style='float:right'><p>Aside note</p></aside><p>Last paragraph</p></body></html>";

TEST_F(LectureTest, FloatedNavigationComesAfterTheTextAndFloatedFiguresStayInPlace)
{
    openHtml(documentationPage);
    QStringList blocks;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        if (const QString text = block.text().remove(QChar::ObjectReplacementCharacter).trimmed(); !text.isEmpty())
            blocks << text;
    EXPECT_EQ(blocks, (QStringList{"Figure caption", "Intro stays", "Page title", "Call main() first.",
                                   "int main() { return 0; }", "plain output", "Last paragraph", "Menu one", "Menu two",
                                   "Part 1 Part 2 Part 3", "Aside note"}));
}

TEST_F(LectureTest, StyledCodeIsMonospaceAndFramed)
{
    openHtml(documentationPage);
    for (const QString& code : {QStringLiteral("main()"), QStringLiteral("int main()"), QStringLiteral("plain output")})
        EXPECT_TRUE(QFontInfo(formatOf(code).font()).fixedPitch()) << code.toStdString();
    const QTextTable* frame = QTextCursor(blockStartingWith(QStringLiteral("int main()"))).currentTable();
    ASSERT_NE(frame, nullptr);
    EXPECT_GT(frame->cellAt(0, 0).format().toTableCellFormat().leftBorder(), 0);
    // Unstyled, a preformatted block has no frame in a browser either.
    EXPECT_EQ(QTextCursor(blockStartingWith(QStringLiteral("plain output"))).currentTable(), nullptr);
}

// Every image of the view's document, by name, as the document holds it.
QList<QImage> documentImages(const QTextDocument* document)
{
    QList<QImage> images;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << document
                              ->resource(QTextDocument::ImageResource,
                                         QUrl(it.fragment().charFormat().toImageFormat().name()))
                              .value<QImage>();
    return images;
}

// The span of the image's columns that hold strong red, empty when none does.
std::pair<int, int> redColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 180 && c.green() < 80 && c.alpha() > 200) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// An SVG picture named by an img, held inline and named as an object: each one a picture at its
// declared size, its labels never spilled as text; at a larger text size each is drawn again,
// as sharp, at its size scaled as the text is.
TEST_F(LectureTest, SvgPicturesShowAtTheirDeclaredSizeScaledWithTheText)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='120' height='60'>"
                           "<rect width='120' height='60' fill='#d00000'/><text x='5' y='30'>Label</text></svg>";
    QFile picture(dir.filePath(QStringLiteral("diagram.svg")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(svg);
    picture.close();
    openHtml("<h1>Diagrams</h1><p><img src='diagram.svg'></p><p>" + svg
             + "</p><p><object data='diagram.svg' type='image/svg+xml'>fallback text</object></p>");
    EXPECT_EQ(view.toPlainText().remove(QChar::ObjectReplacementCharacter).simplified(), QStringLiteral("Diagrams"));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const qreal normal = QFontInfo(view.font()).pointSizeF();
    for (int steps : {0, 6}) {
        SCOPED_TRACE(steps);
        view.zoomIn(steps);
        const qreal scale = QFontInfo(view.font()).pointSizeF() / normal;
        const QList<QImage> images = documentImages(view.document());
        ASSERT_EQ(images.size(), 3);
        for (const QImage& image : images) {
            EXPECT_NEAR(image.deviceIndependentSize().width(), 120 * scale, 1);
            EXPECT_NEAR(image.deviceIndependentSize().height(), 60 * scale, 1);
            EXPECT_GE(image.devicePixelRatio(), 2);
        }
        const auto [first, last] = redColumns(view.viewport()->grab().toImage());
        EXPECT_NEAR(last - first + 1, 120 * scale, 2);
    }
    EXPECT_GT(QFontInfo(view.font()).pointSizeF(), normal * 1.5);
}

// A RIFF WAVE file of 8 kHz 8-bit mono sound as recorders write it, with a chunk of tags before
// its sound; the header declares `declared` bytes of sound and the file holds `held` of them.
QByteArray wave(quint32 declared, int held, quint32 byteRate = 8000)
{
    QByteArray bytes;
    const auto put32 = [&](quint32 value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char(value >> shift & 0xff);
    };
    bytes += "RIFF";
    put32(36 + 14 + held);
    bytes += "WAVEfmt ";
    put32(16);
    bytes += QByteArray("\x01\x00\x01\x00", 4);
    put32(8000);
    put32(byteRate);
    bytes += QByteArray("\x01\x00\x08\x00", 4);
    bytes += "LIST";
    put32(5); // an odd length, padded to an even one
    bytes += QByteArray("INFOx\0", 6);
    bytes += "data";
    put32(declared);
    return bytes + QByteArray(held, '\x80');
}

TEST(MediaLength, IsReadFromAWaveHeaderAndUnknownOtherwise)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
        std::optional<double> seconds;
    } cases[] = {
        {"talk.wav", wave(520000, 520000), 65.0},
        {"cut short.wav", wave(0xffffffff, 16000), 2.0},
        {"no rate.wav", wave(8000, 8000, 0), std::nullopt},
        {"header only.wav", QByteArrayLiteral("RIFF\x10\0\0\0WAVE"), std::nullopt},
        {"talk.ogg", QByteArrayLiteral("OggS\0\x02\0\0\0\0\0\0\0\0"), std::nullopt},
    };
    for (const auto& c : cases) {
        QFile file(dir.filePath(QString::fromUtf8(c.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(mediaSeconds(file.fileName()), c.seconds) << c.name;
    }
    EXPECT_EQ(mediaSeconds(dir.filePath(QStringLiteral("missing.wav"))), std::nullopt);
    const struct {
        double seconds;
        const char* text;
    } lengths[] = {{0.4, "0:00"}, {7, "0:07"}, {750, "12:30"}, {3723, "1:02:03"}};
    for (const auto& l : lengths)
        EXPECT_EQ(mediaLengthText(l.seconds), QString::fromUtf8(l.text)) << l.seconds;
}

// A clip and a recording show a play link in place of their fallback text, with the file's name
// and, where the file tells it, its length; the link hands the file to the desktop's player, as
// the multimedia window does.
TEST_F(LectureTest, ClipsAndRecordingsPlayWithOneClick)
{
    QStringList opened;
    setShellOpenHandler([&](const QString& path) { opened.append(path); });
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Media")));
    QFile recording(dir.filePath(QStringLiteral("Media/talk.wav")));
    ASSERT_TRUE(recording.open(QIODevice::WriteOnly));
    recording.write(wave(520000, 520000));
    recording.close();
    openHtml("<h1>Media</h1><video src='Media/clip.mp4' poster='poster.png' width='320' height='180'>"
             "Your browser cannot play video</video>"
             "<audio controls><source src='Media/talk.wav' type='audio/wav'>No audio</audio><p>After</p>");
    const QString text = view.toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("browser"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("No audio")));
    EXPECT_TRUE(text.contains(QStringLiteral("Смотреть clip.mp4\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Слушать talk.wav (1:05)"))) << text.toStdString();
    QStringList links;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QString href = it.fragment().charFormat().anchorHref(); !href.isEmpty() && !links.contains(href))
                links << href;
    EXPECT_EQ(links, (QStringList{"Media/clip.mp4", "Media/talk.wav"}));
    for (const QString& link : links)
        emit view.anchorClicked(QUrl(link));
    EXPECT_EQ(opened, (QStringList{dir.filePath(QStringLiteral("Media/clip.mp4")),
                                   dir.filePath(QStringLiteral("Media/talk.wav"))}));
    setShellOpenHandler({});
}

// A formula the layout knows is a picture on its line: a fraction is its numerator over its
// denominator, as tall as two lines and as wide as the wider of them, a root is its radicand
// under the sign, a power sits raised beside its base. Each picture is drawn, and centred on its
// line.
TEST_F(LectureTest, FormulasArePicturesOfTheirLayout)
{
    const struct {
        const char* mathml;
        const char* widest;   // the widest row the picture holds, perhaps in smaller letters
        const char* narrower; // what the picture is narrower than, laid out flat
        int lines;            // how many lines of text high it is at least
    } cases[] = {
        {"<mfrac><mi>a</mi><mn>2</mn></mfrac>", "a", "a2", 2},
        {"<mfrac><mrow><mi>b</mi><mo>+</mo><mn>1</mn></mrow><mi>c</mi></mfrac>", "b + 1", "b + 1c", 2},
        {"<msqrt><mi>x</mi><mo>+</mo><mi>y</mi></msqrt>", "x + y", "√(x + y)MM", 1},
        {"<mroot><mi>x</mi><mn>3</mn></mroot>", "x", "3√(x)MM", 1},
        {"<msup><mi>e</mi><mrow><mo>-</mo><mi>α</mi><mi>L</mi></mrow></msup>", "e", "e−αL", 1},
        {"<msubsup><mo>∫</mo><mn>0</mn><mi>T</mi></msubsup>", "∫", "∫0T", 1},
    };
    QByteArray page;
    for (const auto& c : cases)
        page += QByteArray("<p>Text <math>") + c.mathml + "</math> text</p>";
    openHtml(page);
    EXPECT_EQ(view.toPlainText().remove(QChar::ObjectReplacementCharacter).simplified(),
              QStringLiteral("Text text Text text Text text Text text Text text Text text"));
    const QList<QImage> images = documentImages(view.document());
    ASSERT_EQ(images.size(), std::size(cases));
    const QFontMetricsF metrics(view.document()->defaultFont());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].mathml);
        const QSizeF size = images[i].deviceIndependentSize();
        EXPECT_GE(size.height(), cases[i].lines * metrics.height() * 0.95);
        EXPECT_LT(size.height(), (cases[i].lines + 1.5) * metrics.height());
        EXPECT_GE(size.width(), 0.8 * metrics.horizontalAdvance(QString::fromUtf8(cases[i].widest)));
        EXPECT_LT(size.width(), metrics.horizontalAdvance(QString::fromUtf8(cases[i].narrower)));
        EXPECT_GT(images[i].devicePixelRatio(), 1.5);
        int inked = 0;
        for (int y = 0; y < images[i].height(); ++y)
            for (int x = 0; x < images[i].width(); ++x)
                inked += images[i].pixelColor(x, y).alpha() > 128;
        EXPECT_GT(inked, 20);
    }
    EXPECT_EQ(formatOf(QString(QChar::ObjectReplacementCharacter)).verticalAlignment(), QTextCharFormat::AlignMiddle);
    // At a larger text size each is drawn again in the larger letters.
    view.zoomIn(9);
    const QList<QImage> larger = documentImages(view.document());
    ASSERT_EQ(larger.size(), images.size());
    for (qsizetype i = 0; i < images.size(); ++i)
        EXPECT_GT(larger[i].deviceIndependentSize().height(), images[i].deviceIndependentSize().height() * 1.6) << i;
}

// A formula beyond the layout shows its alttext or its annotation, and one with neither says a
// formula stands there: never the flattened run of its letters, whatever the markup.
TEST_F(LectureTest, FormulasBeyondTheLayoutShowTheirAlttext)
{
    const QByteArray deep = QByteArray("<math>") + QByteArray("<mrow>").repeated(5000) + "<mi>z</mi>"
                            + QByteArray("</mrow>").repeated(5000) + "</math>";
    openHtml("<p><math alttext='A = (1 2; 3 4)'><mi>A</mi><mo>=</mo><mtable><mtr><mtd><mn>1</mn></mtd></mtr></mtable>"
             "</math></p>"
             "<p><math><semantics><mi>P</mi><annotation encoding='application/x-tex'>P_1=P_0e^{-\\alpha L}</annotation>"
             "</semantics><mglyph/></math></p>"
             "<p><math><mfrac><mi>a</mi></mfrac></math></p>"
             "<p><math><mi>x<mo>y</mo></mi></math></p>"
             "<p><math><mi>unclosed</math></p><p>"
             + deep + "</p>");
    EXPECT_EQ(view.toPlainText(), QStringLiteral("A = (1 2; 3 4)\nP_1=P_0e^{-\\alpha L}\n[формула]\n[формула]\n"
                                                 "[формула]\n[формула]"));
}

// The demo course's lectures of diagrams and of formulas, as a student opens them: every diagram
// and every formula a picture, none of their labels or letters spilled as text.
TEST_F(LectureTest, DemoLecturesShowTheirDiagramsAndFormulasAsPictures)
{
    const struct {
        const char* file;
        int pictures;        // at least, of the scaled kind
        const char* spilled; // what the view would show of them as text
    } cases[] = {
        {"lekcia12.htm", 4, "UCLA"},
        {"lekcia14.htm", 8, "log"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        open(teoria + QString::fromUtf8(c.file));
        const QString text = view.toPlainText();
        EXPECT_FALSE(text.contains(QString::fromUtf8(c.spilled))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("[формула]")));
        int drawn = 0;
        for (const QImage& image : documentImages(view.document()))
            drawn += !image.isNull() && image.devicePixelRatio() >= 2;
        EXPECT_GE(drawn, c.pictures);
    }
}

TEST_F(LectureTest, DemoLectureOfRecordingsPlaysEachWithOneClickAndTellsItsLength)
{
    QStringList opened;
    setShellOpenHandler([&](const QString& path) { opened.append(path); });
    open(teoria + QStringLiteral("lekcia13.htm"));
    const QString text = view.toPlainText();
    for (const char* recording : {"morse.wav", "signal.wav", "pozyvnye.wav", "telefon.wav"})
        EXPECT_TRUE(
            text.contains(QRegularExpression(QStringLiteral("Слушать %1 \\(0:(0[1-9]|[1-5][0-9])\\)").arg(recording))))
            << recording << "\n"
            << text.toStdString();
    emit view.anchorClicked(QUrl(QStringLiteral("Media/pozyvnye.wav")));
    EXPECT_EQ(opened, QStringList{teoria + QStringLiteral("Media/pozyvnye.wav")});
    setShellOpenHandler({});
}

TEST_F(LectureTest, CtrlHomeAndCtrlEndGoToTheTopAndTheEnd)
{
    open(teoria + QStringLiteral("lekcia1.htm"));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QScrollBar* bar = view.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
}

TEST(LectureMarkup, StyleSheetsComeOutInWhatTheViewReads)
{
    const struct {
        const char* css;
        const char* cleaned;
    } cases[] = {
        {"<!-- p {margin:0cm 1in} -->", " p {margin:0px 96px} "},
        {"td {border:solid windowtext 1.5pt; padding:0cm 5.4pt}", "td {border:2px solid black; padding:0px 7.2px}"},
        {"p {font-size:12.0pt; mso-bidi-font-size:10pt; text-indent:36pt}", "p {font-size:12.0pt;  text-indent:48px}"},
        {"@page WordSection1 {size:595.3pt 841.9pt;} div.WordSection1 {page:WordSection1;}",
         " div.WordSection1 {page:WordSection1;}"},
        {"a:link {color:blue}", "a:link {color:blue}"},
        {"p {border-collapse:collapse; border-top:none}", "p {border-collapse:collapse; border-top:none}"},
        {"{{;:\"", "{{;:\""},
        {".note {font-size:smaller} h1 small {font-size:65%}", ".note {font-size:small} h1 small {font-size:small}"},
        {"span {font-size:0.8em; color:red} em {font-size:150%}",
         "span {font-size:small; color:red} em {font-size:x-large}"},
        {"p {font-size:1em} q {font-size:larger}", "p {font-size:1em} q {font-size:large}"},
        {"body {font-size:62.5%} html, td {font-size:80%}", "body {font-size:62.5%} html, td {font-size:80%}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LectureMarkup::cleanStyle(QString::fromUtf8(c.css)), QString::fromUtf8(c.cleaned)) << c.css;
}

// A note set smaller than the text around it, by the page's style or by <small>, comes out
// smaller than that text, in a heading as in a paragraph; a <small> note in a large heading stays
// larger than the text under the heading, as in a browser.
TEST_F(LectureTest, NotesSetSmallerComeOutSmallerThanTheirText)
{
    const struct {
        const char* html;
        const char* around;
        const char* under; // a text the note is not smaller than, if any
    } cases[] = {
        {"<style>.note {font-size: smaller}</style><h1>Title <span class=note>note</span></h1>", "Title", nullptr},
        {"<h2>Title <span style='font-size:80%'>note</span></h2>", "Title", nullptr},
        {"<style>body {font-size: 110%} span {font-size: .8em}</style><h3>Title <span>note</span></h3>", "Title",
         nullptr},
        {"<style>body {font-size: 16px}</style><p>Body <span style='font-size:0.75em'>note</span></p>", "Body",
         nullptr},
        {"<p>Body <small>a <small>note</small></small></p>", "Body", nullptr},
        {"<h1>Title <small>note</small></h1><p>Body</p>", "Title", "Body"},
        {"<h2 class=x>Title<br><small>note</small></h2><p>Body</p>", "Title", "Body"},
        {"<h1>Title</h1><p>Body <small>note</small></p>", "Body", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.html);
        openHtml(c.html);
        const int note = QFontInfo(formatOf(QStringLiteral("note")).font()).pixelSize();
        EXPECT_LT(note, QFontInfo(formatOf(QString::fromUtf8(c.around)).font()).pixelSize());
        if (c.under) {
            EXPECT_GE(note, QFontInfo(formatOf(QString::fromUtf8(c.under)).font()).pixelSize());
        }
    }
}

TEST(LectureMarkup, UnfinishedMarkupPassesThroughUnchanged)
{
    for (const char* html : {"<style>p{color:red}", "<p style='mso-x:1", "<!-- open <style>", "a < b <", "<", "<style",
                             "<p title=\"a>b\">x"})
        EXPECT_EQ(LectureMarkup::prepare(QString::fromUtf8(html)), QString::fromUtf8(html)) << html;
}

} // namespace
