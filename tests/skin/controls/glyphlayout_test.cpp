#include "skin/controls/glyphlayout.h"
#include "skin/controls/tsskinprovider.h"

#include "tests/support/casename.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    const char* name;
    GlyphLayout layout;
    CaptionAlignment alignment;
    int margin;
    int dropDownWidth;
    bool pressed;
    QPoint glyph;
};

class GlyphPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// A 16 x 16 glyph without caption on a 60 x 30 button.
TEST_P(GlyphPlacementTest, GlyphStandsWhereLayoutAlignmentAndMarginPutIt)
{
    const PlacementCase& c = GetParam();
    const GlyphLayoutInput input{.size = QSize(60, 30),
                                 .glyph = QSize(16, 16),
                                 .dropDownWidth = c.dropDownWidth,
                                 .margin = c.margin,
                                 .pressed = c.pressed,
                                 .layout = c.layout,
                                 .alignment = c.alignment};
    EXPECT_EQ(layoutGlyphAndCaption(input, QFontMetrics(QFont()), QString()).glyph, c.glyph);
}

using enum GlyphLayout;
const PlacementCase placementCases[] = {
    {"LeftCentred", GlyphLeft, CaptionAlignment::Center, -1, 0, false, QPoint(22, 7)},
    {"LeftAtTheLeftMargin", GlyphLeft, CaptionAlignment::Left, 2, 0, false, QPoint(5, 7)},
    {"LeftAtTheRightMargin", GlyphLeft, CaptionAlignment::Right, 2, 0, false, QPoint(39, 7)},
    {"RightAtTheRightMargin", GlyphRight, CaptionAlignment::Right, 2, 0, false, QPoint(39, 7)},
    {"RightAtTheLeftMargin", GlyphRight, CaptionAlignment::Left, 2, 0, false, QPoint(5, 7)},
    {"RightCentred", GlyphRight, CaptionAlignment::Center, -1, 0, false, QPoint(22, 7)},
    {"TopCentred", GlyphTop, CaptionAlignment::Left, -1, 0, false, QPoint(23, 7)},
    {"BottomAboveTheMargin", GlyphBottom, CaptionAlignment::Center, 2, 0, false, QPoint(23, 7)},
    {"CentredBesideTheArrowPart", GlyphLeft, CaptionAlignment::Center, -1, 16, false, QPoint(14, 7)},
    {"PressedMovesDownRight", GlyphLeft, CaptionAlignment::Center, -1, 0, true, QPoint(23, 8)},
};
INSTANTIATE_TEST_SUITE_P(Cases, GlyphPlacementTest, ::testing::ValuesIn(placementCases), CaseName());

TEST(GlyphCaptionLayout, CaptionFollowsTheGlyphAfterTheSpacingAndTheTextOffset)
{
    const QFont font;
    const QFontMetrics metrics(font);
    const QString caption = QStringLiteral("Ok");
    const int tw = metrics.boundingRect(QRect(0, 0, 100, 30), Qt::TextWordWrap | Qt::TextExpandTabs, caption).width();
    GlyphLayoutInput input{.size = QSize(100, 30),
                           .glyph = QSize(16, 16),
                           .spacing = 4,
                           .textOffset = 3,
                           .layout = GlyphLeft,
                           .alignment = CaptionAlignment::Center};
    const GlyphPlacement placed = layoutGlyphAndCaption(input, metrics, caption);
    EXPECT_EQ(placed.glyph.x(), (100 - 16 - 4 - tw) / 2);
    // Widened by one pixel on the left and two on the right, then moved by the offset.
    EXPECT_EQ(placed.caption.left(), placed.glyph.x() + 16 + 4 - 1 + 3);
    EXPECT_EQ(placed.caption.right(), 100 - (100 - 16 - 4 - tw) / 2 + 3 + 1);

    input.captionShown = false;
    EXPECT_EQ(layoutGlyphAndCaption(input, metrics, caption).glyph.x(), (100 - 16) / 2);
}

} // namespace
