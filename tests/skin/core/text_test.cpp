#include "paint_fixture.h"
#include "skin/core/skininforce.h"

#include "skin/core/frame3d.h"
#include "skin/core/paintmarks.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skintext.h"

#include <QFontMetrics>
#include <QPainter>

#include <set>

namespace {

QFont plainFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::set<int32_t> colours(const QImage& image)
{
    std::set<int32_t> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result.insert(pixel(image, x, y));
    return result;
}

class SkinTextTest : public SkinPaintTest {};

} // namespace

TEST(TextShortener, CutsTheEndAndAddsAnEllipsisOnlyWhenNeeded)
{
    const QFont font = plainFont();
    const QFontMetrics metrics(font);
    const QString text = QStringLiteral("Лекции по курсу");
    EXPECT_EQ(shortenText(font, text, 0), QString());
    EXPECT_EQ(shortenText(font, text, -5), QString());
    EXPECT_EQ(shortenText(font, text, metrics.horizontalAdvance(text)), text);
    EXPECT_EQ(shortenText(font, text, metrics.horizontalAdvance(QStringLiteral("Лекции...")) + 1),
              QStringLiteral("Лекции..."));
    EXPECT_EQ(shortenText(font, text, 1), QString());
}

TEST_F(SkinTextTest, OutlinesAreDrawnOnlyForColoursThatAreSet)
{
    TsGeneralData button = plainSection("BUTTON", grey(255));
    button.fontColor = rgbColor(255, 0, 0);
    button.hotFontColor = rgbColor(0, 0, 255);
    button.hotTcBottom = rgbColor(0, 255, 0);
    const int index = addSection(button);
    struct Case {
        bool hot;
        std::set<int32_t> expected;
    };
    for (const Case& c : {Case{false, {grey(255), rgbColor(255, 0, 0)}},
                          Case{true, {grey(255), rgbColor(0, 0, 255), rgbColor(0, 255, 0)}}}) {
        QImage image = filledImage(80, 30, grey(255));
        QPainter painter(&image);
        painter.setFont(plainFont());
        QRect rect(5, 5, 70, 20);
        writeSkinText(*skinInForce(), painter, QStringLiteral("Ok"),
                      {.sectionIndex = index, .hot = c.hot, .flags = TextFlag::Center}, rect);
        painter.end();
        EXPECT_EQ(colours(image), c.expected) << (c.hot ? "hot" : "normal");
    }
}

TEST_F(SkinTextTest, DisabledTextIsEmbossedAndPlainTextUsesThePen)
{
    QImage image = filledImage(80, 30, grey(128));
    QPainter painter(&image);
    painter.setFont(plainFont());
    QRect rect(5, 5, 70, 20);
    writePlainText(painter, QStringLiteral("Ok"), false, {}, rect);
    const std::set<int32_t> embossed = colours(image);
    EXPECT_TRUE(embossed.count(plainRgb(clBtnHighlight)));
    EXPECT_TRUE(embossed.count(plainRgb(clBtnShadow)));

    QImage plain = filledImage(80, 30, grey(128));
    QPainter plainPainter(&plain);
    plainPainter.setFont(plainFont());
    plainPainter.setPen(QColor(1, 2, 3));
    QRect plainRect(5, 5, 70, 20);
    writeSkinText(*skinInForce(), plainPainter, QStringLiteral("Ok"), {}, plainRect);
    plainPainter.end();
    EXPECT_EQ(colours(plain), std::set<int32_t>({grey(128), rgbColor(1, 2, 3)}));
}

TEST_F(SkinTextTest, LayoutFitsTheRectangleToTheTextAndHandsItBackOnePixelLarger)
{
    QImage image = filledImage(200, 60, grey(255));
    QPainter painter(&image);
    painter.setFont(plainFont());
    const QFontMetrics metrics(plainFont());
    const int w = metrics.size(Qt::TextShowMnemonic, QStringLiteral("Te&xt")).width();

    QRect left(10, 10, 100, 40);
    writePlainText(painter, QStringLiteral("Te&xt"), true, {}, left);
    EXPECT_EQ(left.left(), 9);
    EXPECT_EQ(left.width(), w + 2);

    QRect right(10, 10, 100, 40);
    writePlainText(painter, QStringLiteral("Te&xt"), true, TextFlag::Right, right);
    EXPECT_EQ(right.left() + right.width(), 111);
    EXPECT_EQ(right.width(), w + 2);

    QRect centred(10, 10, 100, 40);
    writePlainText(painter, QStringLiteral("Te&xt"), true, TextFlag::Center, centred);
    EXPECT_NEAR(centred.center().x(), QRect(10, 10, 100, 40).center().x(), 1);
    EXPECT_NEAR(centred.center().y(), QRect(10, 10, 100, 40).center().y(), 1);
    EXPECT_NEAR(centred.height(), metrics.height() + 2, 1);

    QRect empty(10, 10, 100, 40);
    writePlainText(painter, QString(), true, TextFlag::Center, empty);
    EXPECT_EQ(empty, QRect(10, 10, 100, 40));
}

TEST_F(SkinTextTest, RightToLeftReadingPutsTrailingPunctuationFirstAndKeepsTheAlignment)
{
    // In right-to-left order "abc!" reads as "!abc" on the screen, still at the left edge.
    const auto written = [](const QString& text, TextFlags flags) {
        QImage image = filledImage(80, 20, grey(255));
        QPainter painter(&image);
        painter.setFont(plainFont());
        painter.setPen(Qt::black);
        QRect rect(2, 2, 76, 16);
        writePlainText(painter, text, true, flags, rect);
        return image;
    };
    const QImage rightToLeft = written(QStringLiteral("abc!"), TextFlag::RtlReading | TextFlag::WordBreak);
    EXPECT_EQ(rightToLeft, written(QStringLiteral("!abc"), TextFlag::WordBreak));
    EXPECT_NE(rightToLeft, written(QStringLiteral("abc!"), TextFlag::WordBreak));
}

TEST(PaintMarks, FocusRectangleDotsEveryThirdPixel)
{
    QImage image = filledImage(9, 6, grey(128));
    paintFocusRect(image, QRect(1, 1, 6, 3));
    const int32_t o = grey(128);
    const int32_t b = grey(0);
    const int32_t w = grey(255);
    EXPECT_EQ(row(image, 0), std::vector<int32_t>({w, o, o, w, o, o, w, o, o}));
    EXPECT_EQ(row(image, 1), std::vector<int32_t>({o, b, o, o, b, o, o, b, o}));
    EXPECT_EQ(row(image, 2), std::vector<int32_t>({o, o, o, o, o, o, o, o, o}));
    EXPECT_EQ(row(image, 3), std::vector<int32_t>({w, o, o, w, o, o, w, o, o}));
    EXPECT_EQ(row(image, 4), std::vector<int32_t>({o, b, o, o, b, o, o, b, o}));

    QImage corner = filledImage(2, 2, grey(128));
    paintFocusRect(corner, QRect(0, 0, 30, 30)); // dots outside the bitmap are left out
    EXPECT_EQ(pixel(corner, 0, 0), b);
}

TEST(PaintMarks, ThreeDimensionalFrameNestsInwards)
{
    QImage image = filledImage(4, 4, grey(128));
    paintFrame3D(image, image.rect(), grey(255), 2, grey(0));
    const int32_t l = grey(255);
    const int32_t d = grey(0);
    EXPECT_EQ(row(image, 0), std::vector<int32_t>({l, l, l, d}));
    EXPECT_EQ(row(image, 1), std::vector<int32_t>({l, l, d, d}));
    EXPECT_EQ(row(image, 2), std::vector<int32_t>({l, l, d, d}));
    EXPECT_EQ(row(image, 3), std::vector<int32_t>({l, d, d, d}));
}

TEST(PaintMarks, CheckMarkStaysInItsRectangleAndIsEmbossedWhenDisabled)
{
    for (const bool enabled : {true, false}) {
        QImage image = filledImage(20, 20, grey(128));
        QPainter painter(&image);
        paintCheckMark(painter, QRect(2, 2, 16, 16), enabled, rgbColor(200, 0, 0));
        painter.end();
        const std::set<int32_t> used = colours(image);
        if (enabled)
            EXPECT_EQ(used, std::set<int32_t>({grey(128), rgbColor(200, 0, 0)}));
        else
            EXPECT_TRUE(used.count(plainRgb(cl3DLight)) && used.count(plainRgb(clBtnShadow)));
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(pixel(image, i, 0), grey(128));
            EXPECT_EQ(pixel(image, 0, i), grey(128));
        }
    }
}
