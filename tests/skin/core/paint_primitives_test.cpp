#include "paint_fixture.h"

#include "skin/core/blendcopy.h"
#include "skin/core/gradient.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/texturetiler.h"

namespace {

TsGradSegment segment(int from, int to, int percent, int mode)
{
    TsGradSegment s;
    s.color1 = grey(from);
    s.color2 = grey(to);
    s.percent = uint8_t(percent);
    s.mode = mode;
    return s;
}

std::vector<int32_t> greys(std::initializer_list<int> levels)
{
    std::vector<int32_t> result;
    for (int level : levels)
        result.push_back(grey(level));
    return result;
}

} // namespace

TEST(PaintRounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(divRoundEven(5, 2), 2);
    EXPECT_EQ(divRoundEven(3, 2), 2);
    EXPECT_EQ(divRoundEven(7, 4), 2);
    EXPECT_EQ(divRoundEven(5, 4), 1);
    EXPECT_EQ(divRoundEven(0, 3), 0);
}

TEST(PaintGradient, VerticalSegmentsOverlapByOneRowAndTheLastReachesTheBottom)
{
    QImage image = filledImage(2, 10, grey(255));
    paintGradient(image, QRect(0, 0, 2, 10), {segment(0, 100, 50, 0), segment(200, 200, 0, 0)});
    // Rows 0 to 5 run from 0 to 100; row 5 is painted again by the last segment.
    EXPECT_EQ(column(image, 0), greys({0, 20, 40, 60, 80, 200, 200, 200, 200, 200}));
    EXPECT_EQ(column(image, 1), column(image, 0));
}

TEST(PaintGradient, FirstSegmentModeDecidesTheDirection)
{
    struct Case {
        int firstMode;
        int laterMode;
        bool horizontal;
    };
    for (const Case& c : {Case{1, 0, true}, Case{0, 1, false}}) {
        QImage image = filledImage(5, 5, grey(255));
        paintGradient(image, QRect(0, 0, 5, 5), {segment(0, 5, 40, c.firstMode), segment(9, 9, 0, c.laterMode)});
        // 40 % of 5 pixels: steps 0..2 from 0 to 5 (2.5 rounds to 2), then the tail of 9.
        const std::vector<int32_t> ramp = greys({0, 2, 9, 9, 9});
        for (int i = 0; i < 5; ++i) {
            if (c.horizontal)
                EXPECT_EQ(row(image, i), ramp) << "row " << i;
            else
                EXPECT_EQ(column(image, i), ramp) << "column " << i;
        }
    }
}

TEST(PaintGradient, StaysInsideItsRectangleAndTheBitmap)
{
    // Percents that add up to more than 100 still end at the rectangle's bottom.
    QImage image = filledImage(1, 8, grey(255));
    paintGradient(image, QRect(0, 0, 1, 4), {segment(0, 0, 100, 0), segment(10, 10, 100, 0), segment(20, 20, 0, 0)});
    EXPECT_EQ(column(image, 0), greys({0, 0, 0, 0, 255, 255, 255, 255}));

    QImage small = filledImage(3, 3, grey(255));
    paintGradient(small, QRect(-4, -4, 20, 20), {segment(7, 7, 0, 1)});
    EXPECT_EQ(row(small, 2), greys({7, 7, 7}));

    QImage untouched = filledImage(3, 3, grey(255));
    paintGradient(untouched, QRect(0, 0, 3, 3), {segment(7, 7, 0, 2)});
    paintGradient(untouched, QRect(0, 0, 3, 3), {});
    paintGradient(untouched, QRect(0, 0, 1, 3), {segment(7, 7, 0, 1)});
    EXPECT_EQ(untouched, filledImage(3, 3, grey(255)));
}

TEST(PaintColorMix, IncludesTheRightColumnAndBottomRow)
{
    QImage image = filledImage(4, 4, grey(101));
    colorMix(image, QRect(0, 0, 2, 2), 50, grey(0));
    // 101 * 0.5 = 50.5 rounds to the even 50.
    EXPECT_EQ(row(image, 0), greys({50, 50, 50, 101}));
    EXPECT_EQ(row(image, 2), greys({50, 50, 50, 101}));
    EXPECT_EQ(row(image, 3), greys({101, 101, 101, 101}));

    QImage edge = filledImage(3, 3, grey(103));
    colorMix(edge, QRect(1, 1, 5, 5), 50, grey(0)); // clipped at the bitmap's edge
    EXPECT_EQ(row(edge, 2), greys({103, 52, 52}));  // 51.5 rounds to 52
}

TEST(PaintColorMix, LongRowsRoundEveryChannelLikeTheFormula)
{
    // Every channel value in each of blue, green and red across a row longer than the wide steps
    // take at once, with a tail; the fill's channels differ, so a channel mixed with another's
    // share shows.
    const int width = 256 + 37;
    const int32_t fill = rgbColor(7, 130, 255);
    const int share[3] = {colorBlue(fill), colorGreen(fill), colorRed(fill)};
    for (const int percent : {0, 1, 33, 50, 77, 99, 100}) {
        QImage image(width, 1, QImage::Format_BGR888);
        for (int i = 0; i < width * 3; ++i)
            image.scanLine(0)[i] = uint8_t(i / 3 + i % 3 * 85);
        const QImage before = image.copy();
        colorMix(image, image.rect(), percent, fill);
        int wrong = 0;
        for (int i = 0; i < width * 3; ++i) {
            const int v = before.constScanLine(0)[i];
            wrong += image.constScanLine(0)[i] != divRoundEven(v * percent + share[i % 3] * (100 - percent), 100);
        }
        EXPECT_EQ(wrong, 0) << percent << " %";
    }
}

TEST(PaintRegionBlend, DestinationKeepsWeightOver256)
{
    struct Case {
        int destination;
        int source;
        int weight;
        int expected;
    };
    for (const Case& c : {Case{200, 100, 128, 150}, Case{1, 0, 128, 0}, Case{3, 0, 128, 2}, Case{10, 20, 0, 20},
                          Case{255, 0, 255, 254}, Case{0, 255, 255, 1}}) {
        QImage destination = filledImage(1, 1, grey(c.destination));
        regionBlend(destination, filledImage(1, 1, grey(c.source)), c.weight, QPoint(0, 0), QRect(0, 0, 1, 1));
        EXPECT_EQ(pixel(destination, 0, 0), grey(c.expected))
            << c.destination << " over " << c.source << " at " << c.weight;
    }
}

TEST(PaintRegionBlend, LongRowsRoundEveryPairOfBytesLikeTheFormula)
{
    // Every destination and source byte side by side in one long row, whose odd length leaves a
    // tail after the wide steps; every weight.
    const int count = 256 * 256 + 7;
    std::vector<uint8_t> source(count);
    for (int i = 0; i < count; ++i)
        source[size_t(i)] = uint8_t(i >> 8);
    for (int weight = 0; weight < 256; ++weight) {
        std::vector<uint8_t> destination(count);
        for (int i = 0; i < count; ++i)
            destination[size_t(i)] = uint8_t(i);
        blendBytes(destination.data(), source.data(), count, weight);
        int wrong = 0;
        int first = -1;
        for (int i = 0; i < count; ++i) {
            const int expected = divRoundEven(uint8_t(i) * weight + source[size_t(i)] * (256 - weight), 256);
            if (destination[size_t(i)] != expected && wrong++ == 0)
                first = i;
        }
        EXPECT_EQ(wrong, 0) << "weight " << weight << ", first at byte " << first;
    }
}

TEST(PaintRegionBlend, CountsTheRectangleInclusivelyAndStaysInsideBothBitmaps)
{
    const QImage source = filledImage(3, 3, grey(0));
    QImage destination = filledImage(4, 4, grey(255));
    regionBlend(destination, source, 0, QPoint(0, 0), QRect(0, 0, 2, 2));
    EXPECT_EQ(row(destination, 2), greys({0, 0, 0, 255}));
    EXPECT_EQ(row(destination, 3), greys({255, 255, 255, 255}));

    struct Case {
        QPoint at;
        int changed; // pixels of the destination that the 3 x 3 source reaches
    };
    for (const Case& c : {Case{QPoint(-2, -2), 1}, Case{QPoint(3, 3), 1}, Case{QPoint(10, 0), 0},
                          Case{QPoint(0, -10), 0}, Case{QPoint(2, -1), 4}}) {
        QImage target = filledImage(4, 4, grey(255));
        regionBlend(target, source, 0, c.at, QRect(0, 0, 3, 3));
        int changed = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                changed += pixel(target, x, y) == grey(0);
        EXPECT_EQ(changed, c.changed) << c.at.x() << "," << c.at.y();
    }
}

TEST(PaintPrimitives, GreyscaleTruncatesTheMean)
{
    QImage image = filledImage(2, 1, rgbColor(10, 20, 32));
    greyscale(image);
    EXPECT_EQ(row(image, 0), greys({20, 20}));
}

TEST(PaintPrimitives, SolidFillAndBlockCopyClipToTheBitmaps)
{
    QImage image = filledImage(3, 3, grey(0));
    solidFill(image, QRect(2, -1, 5, 2), rgbColor(1, 2, 3));
    EXPECT_EQ(row(image, 0), std::vector<int32_t>({0, 0, rgbColor(1, 2, 3)}));
    EXPECT_EQ(row(image, 1), greys({0, 0, 0}));

    QImage target = filledImage(3, 3, grey(9));
    copyBlock(target, QPoint(-1, 2), filledImage(2, 2, grey(4)), QRect(-1, 0, 5, 5));
    EXPECT_EQ(row(target, 2), greys({4, 4, 9})); // source column 0 lands at x = 0
    EXPECT_EQ(row(target, 1), greys({9, 9, 9}));
}

TEST(PaintTexture, TilesTheMaskRectangleAndCutsTheLastTiles)
{
    QImage master = filledImage(6, 2, grey(0));
    setPixel(master, 1, 0, grey(1));
    setPixel(master, 2, 0, grey(2));
    setPixel(master, 1, 1, grey(3));
    setPixel(master, 2, 1, grey(4));
    TsMaskData mask;
    mask.left = 1;
    mask.right = 3;
    mask.bottom = 2;
    QImage canvas = filledImage(6, 4, grey(255));
    tileTexture(canvas, QRect(0, 0, 5, 3), mask, master);
    EXPECT_EQ(row(canvas, 0), greys({1, 2, 1, 2, 1, 255}));
    EXPECT_EQ(row(canvas, 1), greys({3, 4, 3, 4, 3, 255}));
    EXPECT_EQ(row(canvas, 2), greys({1, 2, 1, 2, 1, 255}));
    EXPECT_EQ(row(canvas, 3), greys({255, 255, 255, 255, 255, 255}));
}

TEST(PaintTexture, CopiesOnlyWhatLiesInsideTheMasterBitmap)
{
    const QImage master = filledImage(6, 2, grey(7));
    TsMaskData partly;
    partly.left = 5;
    partly.right = 8;
    partly.bottom = 2;
    QImage canvas = filledImage(6, 2, grey(255));
    tileTexture(canvas, QRect(0, 0, 6, 2), partly, master);
    EXPECT_EQ(row(canvas, 0), greys({7, 255, 255, 7, 255, 255}));

    TsMaskData outside;
    outside.top = 10;
    outside.right = 4;
    outside.bottom = 20;
    QImage untouched = filledImage(6, 2, grey(255));
    tileTexture(untouched, QRect(0, 0, 6, 2), outside, master);
    EXPECT_EQ(untouched, filledImage(6, 2, grey(255)));
}

TEST(PaintTexture, JpegPatternIsCutToTheRectangle)
{
    QImage canvas = filledImage(6, 3, grey(255));
    tilePattern(canvas, QRect(1, 1, 3, 1), filledImage(2, 2, grey(5)));
    EXPECT_EQ(row(canvas, 0), greys({255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(row(canvas, 1), greys({255, 5, 5, 5, 255, 255}));
    EXPECT_EQ(row(canvas, 2), greys({255, 255, 255, 255, 255, 255}));
}

TEST(PaintCopies, BlendedCopySkipsTheKeyColourUnlessThereIsNone)
{
    QImage picture = filledImage(2, 1, grey(101));
    setPixel(picture, 1, 0, clSkinKey);
    QImage target = filledImage(3, 1, grey(0));
    blendedCopy(target, QPoint(1, 0), picture, picture.rect(), {.targetPercent = 50, .keyColor = uint32_t(clSkinKey)});
    EXPECT_EQ(row(target, 0), greys({0, 50, 0}));

    QImage noKey = filledImage(3, 1, grey(0));
    blendedCopy(noKey, QPoint(2, 0), picture, picture.rect(), {.targetPercent = 0, .keyColor = 0xFF000000u});
    EXPECT_EQ(row(noKey, 0), std::vector<int32_t>({0, 0, grey(101)}));

    QImage keyed = filledImage(3, 1, grey(0));
    keyColorCopy(keyed, QPoint(-1, 0), picture, clSkinKey);
    EXPECT_EQ(row(keyed, 0), greys({0, 0, 0}));
    keyColorCopy(keyed, QPoint(2, 0), picture, clSkinKey);
    EXPECT_EQ(row(keyed, 0), std::vector<int32_t>({0, 0, grey(101)}));
}
