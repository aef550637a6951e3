#include "paint_fixture.h"
#include "skin/core/skininforce.h"

#include "skin/core/borderpaint.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinloader.h"
#include "skin/core/stateimage.h"

namespace {

// The internal skin's tables, as the painters see them after a skin change.
class InternalSkinPaintTest : public SkinPaintTest {
protected:
    void SetUp() override
    {
        SkinPaintTest::SetUp();
        const SkinSource source{{}, ferroluxSkinName, {ferroluxSkin()}, {}};
        putSkinInForce(std::get<LoadedSkin>(loadSkinTables(source)).tables);
        skinData().ready = true;
    }
};

} // namespace

// Pixels of `image` outside `painted` that no longer hold `untouched`.
int changedOutside(const QImage& image, const QRect& painted, int32_t untouched)
{
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            changed += !painted.contains(x, y) && pixel(image, x, y) != untouched;
    return changed;
}

TEST_F(InternalSkinPaintTest, EverySectionAndMaskPaintsAnySizeWithoutReachingOutside)
{
    // A colour no painter makes from this skin, around every painted rectangle.
    const int32_t untouched = 0x123456;
    const int margin = 4;
    QImage parent = filledImage(40, 40, grey(90));
    const TsCacheInfo cache{&parent, 3, 4, true};
    for (int section = 0; section < skinInForce()->sections.size(); ++section) {
        const QString name = skinInForce()->sections[section].sectionName;
        for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(7, 5), QSize(105, 25), QSize(30, 300)}) {
            for (int state = 0; state < 3; ++state) {
                const SectionPaint paint{.sectionIndex = section,
                                         .sectionName = name,
                                         .parentCache = cache,
                                         .position = QPoint(30, 30),
                                         .state = ControlState(state),
                                         .border = BorderPart::All};
                QImage whole = filledImage(size.width(), size.height(), grey(0));
                paintWholeItem(*skinInForce(), whole, paint);

                QImage target = filledImage(size.width() + 2 * margin, size.height() + 2 * margin, untouched);
                const QRect rect(QPoint(margin, margin), size);
                paintItem(*skinInForce(), target, rect, paint);
                SectionPaint tab = paint;
                tab.position = QPoint(-5, 2);
                paintTabItem(*skinInForce(), target, rect, tab);
                SectionPaint fixed = paint;
                fixed.parentCache = {};
                fixed.position = QPoint(0, 0);
                paintItemFixed(*skinInForce(), target, rect, fixed, {.border = 0, .texture = 1, .hotTexture = 2});
                // The colour mix of a background also treats the column right of the rectangle and
                // the row below it; nothing reaches further.
                EXPECT_EQ(changedOutside(target, rect.adjusted(0, 0, 1, 1), untouched), 0)
                    << qPrintable(name) << " " << size.width() << "x" << size.height() << " state " << state;
            }
        }
    }
    for (const TsMaskData& mask : skinInForce()->masks) {
        for (const QPoint at : {QPoint(0, 0), QPoint(-7, -3), QPoint(20, 18)}) {
            QImage target = filledImage(24, 20, grey(0));
            paintStateImage(*skinInForce(), target, at, ControlState::Pressed, mask, StateImageMode::Faint);
            paintStateImage(*skinInForce(), target, at, ControlState::Normal, mask, StateImageMode::Normal);
            QRegion region(target.rect());
            paintBorderMaskWithRegion(target, region, borderTiles(*skinInForce(), mask, ControlState::Hot),
                                      BorderPart::All);

            QImage bordered = filledImage(24, 20, untouched);
            const QRect rect(at, QSize(9, 30));
            paintBorderMask(bordered, rect, borderTiles(*skinInForce(), mask, ControlState::Normal), BorderPart::All,
                            cache);
            EXPECT_EQ(changedOutside(bordered, rect, untouched), 0)
                << qPrintable(mask.sectionName) << "." << qPrintable(mask.propertyName);
        }
    }
}

TEST_F(InternalSkinPaintTest, GlyphsBelowTheMasterBitmapPaintNothing)
{
    for (const char* section : {"CHECKBOX", "RADIOBUTTON"})
        for (const char* property : {"GLYPHCHECKED", "GLYPHUNCHECKED"}) {
            const int index = skinInForce()->FindMask(skinInForce()->FindSection(section), section, property);
            ASSERT_GE(index, 0) << section << property;
            QImage target = filledImage(20, 20, grey(77));
            paintStateImage(*skinInForce(), target, QPoint(0, 0), ControlState::Normal, skinInForce()->masks[index]);
            EXPECT_EQ(target, filledImage(20, 20, grey(77))) << section << property;
        }
}

TEST_F(InternalSkinPaintTest, FormBorderIsTwoPixelsWideAndLeavesTheBackgroundInside)
{
    const int form = skinInForce()->FindSection("FORM");
    QImage background = filledImage(40, 30, grey(0));
    paintSectionBackground(*skinInForce(), background, background.rect(),
                           {.sectionIndex = form, .sectionName = "FORM"});
    QImage item = filledImage(40, 30, grey(0));
    paintItem(*skinInForce(), item, item.rect(),
              {.sectionIndex = form, .sectionName = "FORM", .border = BorderPart::All});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool frame = x < 2 || y < 2 || x >= 38 || y >= 28;
            if (!frame) {
                EXPECT_EQ(pixel(item, x, y), pixel(background, x, y)) << x << "," << y;
            }
        }
    EXPECT_NE(row(item, 0), row(background, 0));
}
