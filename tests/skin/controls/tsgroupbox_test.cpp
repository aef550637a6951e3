#include "skin/controls/tsgroupbox.h"
#include "skin/core/skininforce.h"
#include "skin/core/skintext.h"

#include "tests/skin/controls/ferroluxparent.h"
#include "tests/support/casename.h"

namespace {

const QString caption = QStringLiteral("Варианты ответов");

struct CaptionCase {
    std::string name;
    TsCaptionLayout layout;
    int width;
    // The caption's left edge from the box's width and the text's width.
    int (*left)(int width, int textWidth);
};

class GroupBoxCaption : public FerroluxParent, public ::testing::WithParamInterface<CaptionCase> {};

// The caption sits on the top edge, left, centred or right, a little wider than its text and never
// outside the box.
TEST_P(GroupBoxCaption, StandsOnTheTopEdgeByItsLayout)
{
    const CaptionCase& c = GetParam();
    auto* box = new TsGroupBox(&parent);
    box->setTitle(caption);
    box->setCaptionLayout(c.layout);
    box->resize(c.width, 60);
    const int textWidth = textExtent(box->font(), caption).width();
    const int left = c.left(c.width, textWidth);
    const QRect place = box->captionRect();
    EXPECT_EQ(place.left(), left);
    EXPECT_EQ(place.top(), 0);
    EXPECT_EQ(place.right() + 1, std::min(left + textWidth + 8, c.width));
    EXPECT_EQ(place.height(), textExtent(box->font(), QStringLiteral("W")).height() + 2);
}

INSTANTIATE_TEST_SUITE_P(
    GroupBox, GroupBoxCaption,
    ::testing::Values(CaptionCase{"top left", clTopLeft, 300, [](int, int) { return 6; }},
                      CaptionCase{"top centre", clTopCenter, 301, [](int w, int tw) { return (w - tw - 10) / 2; }},
                      CaptionCase{"top right", clTopRight, 300, [](int w, int tw) { return w - tw - 14; }},
                      CaptionCase{"top right in a narrow box", clTopRight, 40, [](int, int) { return 0; }}),
    CaseName());

class GroupBoxFrame : public FerroluxParent {
protected:
    // The box's face, with the section's caption writing switched off so that only the frame can
    // leave marks near the top edge.
    QImage faceOf(const QString& title)
    {
        SkinTables skin = *skinInForce();
        skin.sections[skinInForce()->FindSection(QStringLiteral("GROUPBOX"))].reservedBoolean = true;
        putSkinInForce(skin);
        auto* box = new TsGroupBox(&parent);
        box->setTitle(title);
        box->setGeometry(10, 10, 240, 70);
        captionPlace = box->captionRect();
        return box->skinImage();
    }

    // Columns of `band` rows (both inclusive) where any pixel differs from the box's background.
    static QList<int> markedColumns(const QImage& face, int firstRow, int lastRow)
    {
        const QRgb background = rgbAt(face, QPoint(face.width() / 2, face.height() / 2));
        QList<int> columns;
        for (int x = 0; x < face.width(); ++x)
            for (int y = firstRow; y <= lastRow; ++y)
                if (rgbAt(face, QPoint(x, y)) != background) {
                    columns.append(x);
                    break;
                }
        return columns;
    }

    QRect captionPlace;
};

// Without a caption the frame runs along the top edge; with one it starts halfway down the caption
// and its line stops at the caption's rectangle.
TEST_F(GroupBoxFrame, TopLineStartsAtTheEdgeOrStopsAtTheCaption)
{
    const QImage plain = faceOf(QString());
    EXPECT_TRUE(markedColumns(plain, 0, 1).contains(plain.width() / 2)) << "the frame along the top edge";

    const QImage captioned = faceOf(caption);
    const int half = captionPlace.height() / 2;
    EXPECT_TRUE(markedColumns(captioned, 0, half - 1).isEmpty()) << "nothing above the frame";
    const QList<int> line = markedColumns(captioned, half, half + 1);
    EXPECT_TRUE(line.contains(captioned.width() / 2 + 60)) << "the line right of the caption";
    EXPECT_TRUE(line.contains(3)) << "the line left of the caption";
    for (int x = captionPlace.left(); x <= captionPlace.right(); ++x)
        EXPECT_FALSE(line.contains(x)) << "the line crosses the caption at " << x;
}

} // namespace
