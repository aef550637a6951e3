#include "paint_fixture.h"
#include "skin/core/skininforce.h"

#include "skin/core/glyph.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintdisabled.h"
#include "skin/core/painttint.h"
#include "skin/core/regioncorners.h"
#include "skin/core/stateimage.h"

namespace {

class StateImageTest : public SkinPaintTest {};

} // namespace

TEST_F(StateImageTest, FaintModeLetsAbout100Of256OfTheTargetThrough)
{
    // One 2 x 1 image of grey 0 over a black mask; its second pixel is the key colour.
    QImage master = filledImage(2, 2, grey(0));
    setPixel(master, 1, 0, clSkinKey);
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("GLOBALINFO", "RADIOCHECKED", QRect(0, 0, 2, 2), 1, 1));
    struct Case {
        StateImageMode mode;
        int32_t shown;
    };
    // Faint: (0 * 256 + 255 * 100) / 256 = 99.6, truncated.
    for (const Case& c : {Case{StateImageMode::Normal, grey(0)}, Case{StateImageMode::Faint, grey(99)}}) {
        QImage target = filledImage(3, 1, grey(255));
        paintStateImage(*skinInForce(), target, QPoint(1, 0), ControlState::Normal, mask, c.mode);
        EXPECT_EQ(row(target, 0), std::vector<int32_t>({grey(255), c.shown, grey(255)}));
    }
}

TEST_F(StateImageTest, PlainMaskIsKeyCopiedOrHalfBlended)
{
    QImage master = filledImage(4, 1, grey(101));
    setPixel(master, 1, 0, clSkinKey);
    setPixel(master, 2, 0, grey(7)); // image 1
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("SCROLLBTNTOP", "GLYPHMASK", QRect(0, 0, 4, 1), 2, 0));
    QImage normal = filledImage(2, 1, grey(0));
    paintStateImage(*skinInForce(), normal, QPoint(0, 0), ControlState::Normal, mask, StateImageMode::Normal);
    EXPECT_EQ(row(normal, 0), std::vector<int32_t>({grey(101), grey(0)}));
    QImage faint = filledImage(2, 1, grey(0));
    paintStateImage(*skinInForce(), faint, QPoint(0, 0), ControlState::Normal, mask, StateImageMode::Faint);
    EXPECT_EQ(row(faint, 0), std::vector<int32_t>({grey(50), grey(0)})); // 50.5 to the even 50
    QImage pressed = filledImage(2, 1, grey(0));
    paintStateImage(*skinInForce(), pressed, QPoint(-1, 0), ControlState(5), mask, StateImageMode::Normal);
    EXPECT_EQ(row(pressed, 0), std::vector<int32_t>({grey(101), grey(0)}));
}

TEST_F(StateImageTest, OwnImageIsThreeStatesOverAMaskHalf)
{
    // 6 x 2: states of 2 x 1, masks below; state 1 is grey 60 over a white-ish mask of 128.
    QImage own = filledImage(6, 2, grey(0));
    fillRect(own, 2, 0, 2, 1, grey(60));
    fillRect(own, 2, 1, 2, 1, grey(128));
    TsMaskData mask;
    mask.image = own;
    mask.imageCount = 0;
    QImage target = filledImage(3, 2, grey(200));
    paintStateImage(*skinInForce(), target, QPoint(-1, 1), ControlState::Hot, mask);
    // (60 * 256 + (200 - 60) * 128) / 256 = 130; the column left of the target is skipped.
    EXPECT_EQ(row(target, 1), std::vector<int32_t>({grey(130), grey(200), grey(200)}));
    EXPECT_EQ(row(target, 0), std::vector<int32_t>({grey(200), grey(200), grey(200)}));
    QImage beyond = filledImage(3, 2, grey(200));
    paintStateImage(*skinInForce(), beyond, QPoint(0, 0), ControlState(3), mask);
    EXPECT_EQ(beyond, filledImage(3, 2, grey(200)));
}

TEST(DisabledLook, BlendsTowardsTheParentCacheOrTintsWithTheParentColour)
{
    QImage parent = filledImage(6, 6, grey(0));
    fillRect(parent, 3, 2, 2, 1, grey(201)); // under the control: offset (1, 1) + position (2, 1)
    struct Case {
        TsDisabledKind kind;
        bool ready;
        int32_t expected;
    };
    // Ready cache: 201 - 0.4 * (201 - 100) = 160.6. Not ready: (255 * 200 + 127 * (100 - 200)) / 256.
    const Case cases[] = {
        {dkBlended, true, grey(161)},
        {dkBlended, false, grey(149)},
        {dkGrayed, true, rgbColor(100, 100, 100)},
        {TsDisabledKind(dkBlended | dkGrayed), true, grey(161)},
    };
    for (const Case& c : cases) {
        QImage bitmap = filledImage(2, 1, c.kind.testFlag(dkGrayed) ? rgbColor(90, 100, 110) : grey(100));
        paintDisabledLook(bitmap, c.kind, grey(200), QPoint(2, 1), TsCacheInfo{&parent, 1, 1, c.ready});
        EXPECT_EQ(row(bitmap, 0), std::vector<int32_t>({c.expected, c.expected})) << int(c.kind) << c.ready;
    }
    // A parent without a ready cache and a black control: half-way to the parent's colour.
    QImage black = filledImage(1, 1, grey(0));
    paintDisabledLook(black, dkBlended, grey(200), QPoint(0, 0), {});
    EXPECT_EQ(pixel(black, 0, 0), grey(100));
    // Parent pixels outside the parent's cache leave the control as it is.
    QImage outside = filledImage(2, 1, grey(100));
    paintDisabledLook(outside, dkBlended, grey(0), QPoint(5, 0), TsCacheInfo{&parent, 0, 0, true});
    EXPECT_EQ(row(outside, 0), std::vector<int32_t>({grey(40), grey(100)}));
}

TEST(GlyphPainter, DrawsTheGlyphByItsKindAndState)
{
    // A 2 x 1 glyph whose bottom-left pixel, grey 9, is its transparent colour.
    QImage glyph = filledImage(2, 1, grey(101));
    setPixel(glyph, 0, 0, grey(9));
    struct Case {
        int blend;
        bool hot;
        bool enabled;
        TsDisabledKind kind;
        bool greyed;
        int32_t second;
    };
    const Case cases[] = {
        {0, false, true, dkBlended, false, grey(101)},
        {50, false, true, dkBlended, false, grey(50)}, // (101 + 0) / 2 = 50.5 -> 50
        {50, true, true, dkBlended, false, grey(101)},
        {0, false, false, dkBlended, false, grey(50)},
        {0, false, false, TsDisabledKind(), false, grey(101)},
    };
    for (const Case& c : cases) {
        QImage target = filledImage(3, 1, grey(0));
        const GlyphLook look{
            .blendPercent = c.blend, .hot = c.hot, .enabled = c.enabled, .greyed = c.greyed, .disabledKind = c.kind};
        paintGlyph(target, QPoint(1, 0), glyph, look);
        EXPECT_EQ(row(target, 0), std::vector<int32_t>({grey(0), grey(0), c.second})) << c.blend << c.hot << c.enabled;
    }

    QImage coloured = filledImage(2, 1, rgbColor(30, 60, 90));
    setPixel(coloured, 0, 0, grey(9));
    QImage greyedTarget = filledImage(2, 1, grey(0));
    paintGlyph(greyedTarget, QPoint(0, 0), coloured, {.greyed = true});
    EXPECT_EQ(row(greyedTarget, 0), std::vector<int32_t>({grey(0), grey(60)}));

    // Two glyphs: the disabled one is the right half.
    QImage pair = filledImage(4, 1, grey(9));
    setPixel(pair, 1, 0, grey(70));
    setPixel(pair, 3, 0, grey(80));
    QImage disabled = filledImage(2, 1, grey(0));
    paintGlyph(disabled, QPoint(0, 0), pair, {.enabled = false, .glyphCount = 2});
    EXPECT_EQ(row(disabled, 0), std::vector<int32_t>({grey(0), grey(80)}));
}

TEST(GlyphPainter, PicksTheFrameOfTheStateAndFallsBackWhenTheBitmapHasFewer)
{
    // Frames of 2 x 1: a transparent pixel (grey 9) and the frame's own grey, 10, 20, 30, 40 for
    // up, disabled, down and exclusive.
    QImage four = filledImage(8, 1, grey(9));
    for (int frame = 0; frame < 4; ++frame)
        setPixel(four, frame * 2 + 1, 0, grey(10 * (frame + 1)));
    struct Case {
        int count;
        bool enabled;
        GlyphState state;
        int32_t shown;
    };
    const Case cases[] = {
        {4, true, GlyphState::Up, grey(10)},
        {4, false, GlyphState::Up, grey(20)},
        {4, true, GlyphState::Down, grey(30)},
        {4, true, GlyphState::Exclusive, grey(40)},
        {3, true, GlyphState::Exclusive, grey(30)},
        {2, true, GlyphState::Down, grey(10)},
        {2, true, GlyphState::Exclusive, grey(10)},
        {1, false, GlyphState::Up, grey(5)}, // the up frame blended half way to black
    };
    for (const Case& c : cases) {
        const QImage glyph = four.copy(0, 0, c.count * 2, 1);
        QImage target = filledImage(2, 1, grey(0));
        paintGlyph(target, QPoint(0, 0), glyph, {.enabled = c.enabled, .glyphCount = c.count, .state = c.state});
        EXPECT_EQ(row(target, 0), std::vector<int32_t>({grey(0), c.shown}))
            << c.count << " frames, enabled " << c.enabled << ", state " << int(c.state);
    }
}

TEST(GlyphPainter, ImageListGlyphSitsOnTheKeyColour)
{
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(0, 0, 0, 0));
    icon.setPixel(1, 0, qRgba(10, 20, 30, 255));
    QImage bitmap;
    imageListGlyph(bitmap, {icon}, 0);
    EXPECT_EQ(row(bitmap, 0), std::vector<int32_t>({clSkinKey, rgbColor(10, 20, 30)}));
    imageListGlyph(bitmap, {icon}, 3);
    EXPECT_EQ(row(bitmap, 0), std::vector<int32_t>({clSkinKey, clSkinKey}));
    // A list with a background colour of its own shows it where the image is transparent.
    imageListGlyph(bitmap, {icon}, 0, grey(200));
    EXPECT_EQ(row(bitmap, 0), std::vector<int32_t>({grey(200), rgbColor(10, 20, 30)}));
}

TEST_F(StateImageTest, CornerRegionCollectorCutsKeyRunsOfBothCorners)
{
    QImage master = filledImage(9, 9, grey(0));
    setPixel(master, 0, 0, clSkinKey);
    setPixel(master, 1, 0, clSkinKey);
    setPixel(master, 8, 0, clSkinKey);
    setPixel(master, 0, 8, clSkinKey);
    setMasterBitmap(master);
    const TsMaskData& mask = maskAt(addMask("FORM", "BORDERSMASK", QRect(0, 0, 9, 9), 1, 0));
    QList<QRect> top;
    collectCornerRegion(*skinInForce(), top, 40, mask, FrameCorners::Top, 0);
    EXPECT_EQ(top, QList<QRect>({QRect(0, 0, 2, 1), QRect(39, 0, 1, 1)}));
    QList<QRect> bottom;
    collectCornerRegion(*skinInForce(), bottom, 40, mask, FrameCorners::Bottom, 100);
    EXPECT_EQ(bottom, QList<QRect>({QRect(0, 102, 1, 1)}));
}

TEST(ColourTint, InsideKeepsItsShareAndTheEdgeFadesOut)
{
    QImage bitmap = filledImage(9, 9, grey(200));
    colorTint(bitmap, QRect(0, 0, 9, 9), 50, 0, 2, grey(0));
    // Grey level 127 inside: (0 + 127 * 200) / 256 = 99; the outer ring keeps 255: 199.
    EXPECT_EQ(pixel(bitmap, 4, 4), grey(99));
    EXPECT_EQ(pixel(bitmap, 0, 4), grey(199));
    EXPECT_GT(pixel(bitmap, 1, 4) & 0xFF, 99);
    EXPECT_LT(pixel(bitmap, 1, 4) & 0xFF, 199);
}
