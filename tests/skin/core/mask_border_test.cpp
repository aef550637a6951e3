#include "paint_fixture.h"
#include "skin/core/skininforce.h"

#include "skin/core/borderpaint.h"
#include "skin/core/paintsection.h"

namespace {

// A 9 x 9 state image of 3 x 3-pixel cells, each cell one grey: 10 20 30 / 40 50 60 / 70 80 90.
void drawCells(QImage& master, int left, int top)
{
    for (int cy = 0; cy < 3; ++cy)
        for (int cx = 0; cx < 3; ++cx)
            fillRect(master, left + cx * 3, top + cy * 3, 3, 3, grey(10 + 10 * (cy * 3 + cx)));
}

std::vector<int32_t> greys(std::initializer_list<int> levels)
{
    std::vector<int32_t> result;
    for (int level : levels)
        result.push_back(grey(level));
    return result;
}

class BorderMaskTest : public SkinPaintTest {
protected:
    void SetUp() override
    {
        SkinPaintTest::SetUp();
        QImage master = filledImage(30, 20, grey(0));
        drawCells(master, 0, 0);
        setMasterBitmap(master);
    }

    static QImage paintBorder(int width, int height, const TsMaskData& mask, int state = 0,
                              BorderParts parts = BorderPart::All)
    {
        QImage target = filledImage(width, height, grey(255));
        paintBorderMask(target, target.rect(), borderTiles(*skinInForce(), mask, ControlState(state)), parts, {});
        return target;
    }
};

} // namespace

TEST_F(BorderMaskTest, CornersStayEdgesRepeatAndTheCentreFills)
{
    const TsMaskData& mask = maskAt(addMask("EDIT", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0));
    const QImage image = paintBorder(11, 11, mask);
    EXPECT_EQ(row(image, 0), greys({10, 10, 10, 20, 20, 20, 20, 20, 30, 30, 30}));
    EXPECT_EQ(row(image, 5), greys({40, 40, 40, 50, 50, 50, 50, 50, 60, 60, 60}));
    EXPECT_EQ(row(image, 10), greys({70, 70, 70, 80, 80, 80, 80, 80, 90, 90, 90}));
    EXPECT_EQ(column(image, 0), greys({10, 10, 10, 40, 40, 40, 40, 40, 70, 70, 70}));
}

TEST_F(BorderMaskTest, NarrowControlGetsHalfCornersWithTheOddPixelOnTheRightAndNoEdges)
{
    const TsMaskData& mask = maskAt(addMask("EDIT", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0));
    const QImage image = paintBorder(5, 5, mask);
    EXPECT_EQ(row(image, 0), greys({10, 10, 30, 30, 30}));
    EXPECT_EQ(row(image, 1), greys({10, 10, 30, 30, 30}));
    EXPECT_EQ(row(image, 2), greys({70, 70, 90, 90, 90}));
    EXPECT_EQ(row(image, 4), greys({70, 70, 90, 90, 90}));

    // Tall but narrow: the side edges keep the corner widths.
    const QImage tall = paintBorder(5, 9, mask);
    EXPECT_EQ(row(tall, 4), greys({40, 40, 60, 60, 60}));
}

TEST_F(BorderMaskTest, BorderWidthLimitsCornersAndEdgesAndLeavesTheCentre)
{
    const TsMaskData& mask = maskAt(addMask("FORM", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0, 2));
    const QImage image = paintBorder(8, 8, mask);
    EXPECT_EQ(row(image, 0), greys({10, 10, 20, 20, 20, 20, 30, 30}));
    EXPECT_EQ(row(image, 1), greys({10, 10, 20, 20, 20, 20, 30, 30}));
    EXPECT_EQ(row(image, 3), greys({40, 40, 255, 255, 255, 255, 60, 60}));
    EXPECT_EQ(row(image, 5), greys({40, 40, 255, 255, 255, 255, 60, 60}));
    EXPECT_EQ(row(image, 7), greys({70, 70, 80, 80, 80, 80, 90, 90}));
}

TEST_F(BorderMaskTest, HighStatesOfMasterMasksTakeTheirLastImage)
{
    struct Case {
        int imageCount;
        int state;
        int topLeft;
    };
    for (const Case& c : {Case{1, 2, 10}, Case{2, 1, 11}, Case{2, 2, 11}, Case{2, 0, 10}}) {
        putSkinInForce(nullptr);
        QImage master = filledImage(30, 20, grey(0));
        drawCells(master, 0, 0);
        drawCells(master, 9, 0);
        fillRect(master, 9, 0, 3, 3, grey(11)); // image 1 has another top-left cell
        setMasterBitmap(master);
        const TsMaskData& mask =
            maskAt(addMask("BUTTON", "BORDERSMASK", QRect(0, 0, 9 * c.imageCount, 9), c.imageCount, 0));
        EXPECT_EQ(pixel(paintBorder(9, 9, mask, c.state), 0, 0), grey(c.topLeft))
            << c.imageCount << " images, state " << c.state;
    }
}

TEST_F(BorderMaskTest, MasksOutsideTheMasterBitmapPaintNothing)
{
    const TsMaskData& below = maskAt(addMask("CHECKBOX", "GLYPHCHECKED", QRect(0, 40, 9, 9), 1, 1));
    EXPECT_EQ(paintBorder(12, 12, below), filledImage(12, 12, grey(255)));
    QImage tab = filledImage(12, 12, grey(255));
    paintTabBorderMask(tab, tab.rect(), borderTiles(*skinInForce(), below, ControlState::Normal), BorderPart::All, {});
    EXPECT_EQ(tab, filledImage(12, 12, grey(255)));

    // Half inside: only the part inside is copied, the rest of the target stays.
    const TsMaskData& across = maskAt(addMask("TABCONTROL", "BORDERSMASK", QRect(24, 14, 9, 9), 1, 0));
    const QImage image = paintBorder(12, 12, across);
    EXPECT_EQ(pixel(image, 0, 0), grey(0));
    EXPECT_EQ(pixel(image, 11, 11), grey(255));

    const TsMaskData noImages = [] {
        TsMaskData mask;
        mask.right = 9;
        mask.bottom = 9;
        mask.imageCount = 0;
        return mask;
    }();
    EXPECT_EQ(paintBorder(12, 12, noImages), filledImage(12, 12, grey(255)));
}

TEST_F(BorderMaskTest, KeyColourCornersShowTheParentAndEdgesKeepTheBackground)
{
    // Mask type 1: images in rows 0..8, their masks (black: take the picture) in rows 9..17.
    QImage master = skinInForce()->masterBitmap;
    fillRect(master, 0, 9, 9, 9, grey(0));
    setPixel(master, 0, 0, clSkinKey); // top-left corner pixel
    setPixel(master, 0, 4, clSkinKey); // a left edge pixel
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("BUTTON", "BORDERSMASK", QRect(0, 0, 9, 18), 1, 1));

    QImage parent = filledImage(20, 20, grey(5));
    setPixel(parent, 3, 2, grey(222)); // under the control's (0, 0): offset (1, 1) + position (2, 1)
    struct Case {
        bool ready;
        int32_t corner;
    };
    for (const Case& c : {Case{true, grey(222)}, Case{false, grey(255)}}) {
        QImage target = filledImage(9, 9, grey(255));
        const TsCacheInfo cache{&parent, 3, 2, c.ready};
        paintBorderMask(target, target.rect(), borderTiles(*skinInForce(), mask, ControlState::Normal), BorderPart::All,
                        cache);
        EXPECT_EQ(pixel(target, 0, 0), c.corner);
        EXPECT_EQ(pixel(target, 0, 4), grey(255));
        EXPECT_EQ(pixel(target, 1, 0), grey(10));
    }
}

TEST_F(BorderMaskTest, ItemPainterLaysTheBorderOverTheBackgroundWithTheParentMoved)
{
    QImage master = skinInForce()->masterBitmap;
    setPixel(master, 0, 0, clSkinKey);
    setMasterBitmap(master);
    addMask("BUTTON", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0);
    const int index = addSection(plainSection("BUTTON", grey(123)));
    QImage parent = filledImage(20, 20, grey(5));
    setPixel(parent, 2 + 4, 1 + 3, grey(222));
    QImage target = filledImage(9, 9, grey(255));
    paintItem(*skinInForce(), target, target.rect(),
              {.sectionIndex = index,
               .sectionName = "button",
               .parentCache = {&parent, 2, 1, true},
               .position = QPoint(4, 3)});
    EXPECT_EQ(pixel(target, 0, 0), grey(222));
    EXPECT_EQ(pixel(target, 4, 4), grey(123)); // no centre asked for: the background stays
    EXPECT_EQ(pixel(target, 8, 8), grey(90));
}

TEST_F(BorderMaskTest, TabBorderEdgesSeeTheParentToo)
{
    QImage master = skinInForce()->masterBitmap;
    fillRect(master, 0, 9, 9, 9, grey(0));
    setPixel(master, 0, 4, clSkinKey);
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("TABTOP", "BORDERSMASK", QRect(0, 0, 9, 18), 1, 1, 1));
    QImage parent = filledImage(9, 9, grey(44));
    QImage target = filledImage(9, 9, grey(255));
    paintTabBorderMask(target, target.rect(), borderTiles(*skinInForce(), mask, ControlState::Normal), BorderPart::All,
                       TsCacheInfo{&parent, 0, 0, true});
    EXPECT_EQ(pixel(target, 0, 4), grey(44));
    EXPECT_EQ(pixel(target, 2, 2), grey(10)); // BorderWidth does not limit tab corners
}

TEST_F(BorderMaskTest, ButtonRegionLosesTheKeyColourRunsOfItsBorder)
{
    QImage master = skinInForce()->masterBitmap;
    fillRect(master, 0, 9, 9, 9, grey(0));
    setPixel(master, 0, 0, clSkinKey);
    setPixel(master, 1, 0, clSkinKey);
    setPixel(master, 8, 8, clSkinKey);
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("BUTTON", "BORDERSMASK", QRect(0, 0, 9, 18), 1, 1));
    QImage bitmap = filledImage(12, 10, grey(255));
    QRegion region(bitmap.rect());
    paintBorderMaskWithRegion(bitmap, region, borderTiles(*skinInForce(), mask, ControlState::Normal), BorderPart::All);
    QRegion expected(bitmap.rect());
    expected -= QRect(0, 0, 2, 1);
    expected -= QRect(11, 9, 1, 1);
    EXPECT_EQ(region, expected);
    EXPECT_EQ(pixel(bitmap, 0, 0), grey(255)); // key pixels are not written
    EXPECT_EQ(pixel(bitmap, 2, 0), grey(10));
}

TEST_F(BorderMaskTest, OnlyTheAskedPartsAreLaid)
{
    const TsMaskData& mask = maskAt(addMask("EDIT", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0));
    struct Case {
        BorderParts parts;
        int32_t corner;
        int32_t edge;
        int32_t centre;
    };
    const Case cases[] = {
        {BorderPart::Corners, grey(10), grey(255), grey(255)}, {BorderPart::Edges, grey(255), grey(40), grey(255)},
        {BorderPart::Centre, grey(255), grey(255), grey(50)},  {BorderPart::Frame, grey(10), grey(40), grey(255)},
        {BorderParts(), grey(255), grey(255), grey(255)},
    };
    for (const Case& c : cases) {
        const QImage image = paintBorder(11, 11, mask, 0, c.parts);
        EXPECT_EQ(pixel(image, 0, 0), c.corner) << c.parts.toInt();
        EXPECT_EQ(pixel(image, 0, 5), c.edge) << c.parts.toInt();
        EXPECT_EQ(pixel(image, 5, 5), c.centre) << c.parts.toInt();
    }
}
