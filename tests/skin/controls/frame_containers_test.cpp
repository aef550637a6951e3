#include "skin/controls/containerpaint.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/tscommondata.h"

#include "platform/form.h"
#include "tests/support/casename.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb cacheColor = 0xFF4080C0;
constexpr QRgb targetColor = 0xFF0000FF;
constexpr QRgb markColor = 0xFFFF0000;
constexpr QRgb fillColor = 0xFF00FF00;

// A control that draws only a 2 x 2 mark at (1, 1).
class MarkControl : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(1, 1, 2, 2, QColor(markColor));
    }
};

struct ChildCase {
    std::string name;
    bool windowless;
    bool visible;
    bool opaque;
    bool cacheReady;
    QRgb background; // what the child's area shows beside the mark; 0 when nothing is painted
};

class GraphicChildren : public ::testing::TestWithParam<ChildCase> {};

// The container paints only its visible windowless children: over its cached background, or
// straight onto the target when the child is opaque or the cache is not ready.
TEST_P(GraphicChildren, PaintsWindowlessChildrenOverTheCache)
{
    const ChildCase& c = GetParam();
    QWidget container;
    container.resize(40, 30);
    auto* child = new MarkControl(&container);
    child->setGeometry(10, 5, 8, 6);
    child->setProperty(TsCommonData::windowlessProperty, c.windowless);
    child->setVisible(c.visible);
    if (c.opaque) {
        QPalette palette = child->palette();
        palette.setColor(QPalette::Window, QColor(fillColor));
        child->setPalette(palette);
        child->setAutoFillBackground(true);
    }
    // The container's client origin lies at (3, 4) in its cache.
    QImage cacheImage(50, 40, QImage::Format_BGR888);
    cacheImage.fill(QColor(cacheColor));
    const TsCacheInfo cache{&cacheImage, 3, 4, c.cacheReady};
    QImage target(40, 30, QImage::Format_RGB32);
    target.fill(targetColor);
    {
        QPainter painter(&target);
        paintGraphicChildren(&container, painter, cache);
    }
    const bool painted = c.background != 0;
    EXPECT_EQ(target.pixel(11, 6), painted ? markColor : targetColor);
    EXPECT_EQ(target.pixel(17, 10), painted ? c.background : targetColor);
    EXPECT_EQ(target.pixel(9, 5), targetColor) << "nothing outside the child";
}

INSTANTIATE_TEST_SUITE_P(Frame, GraphicChildren,
                         ::testing::Values(ChildCase{"windowless over cache", true, true, false, true, cacheColor},
                                           ChildCase{"windowless without cache", true, true, false, false, targetColor},
                                           ChildCase{"opaque windowless", true, true, true, true, fillColor},
                                           ChildCase{"hidden windowless", true, false, false, true, 0},
                                           ChildCase{"windowed", false, true, false, true, 0}),
                         CaseName());

// A caption's alignment becomes the text flags it is written with, always on one centred line.
TEST(ContainerHelpers, AlignmentBecomesTextFlags)
{
    const TextFlags line = TextFlag::SingleLine | TextFlag::VCenter | TextFlag::ExpandTabs;
    EXPECT_EQ(alignmentTextFlags(CaptionAlignment::Left), line);
    EXPECT_EQ(alignmentTextFlags(CaptionAlignment::Right), line | TextFlag::Right);
    EXPECT_EQ(alignmentTextFlags(CaptionAlignment::Center), line | TextFlag::Center);
}

// A control on a form's client area is owned by the form, a form by itself.
TEST(ContainerHelpers, OwningWindowIsTheFirstWindowAbove)
{
    Form form(QStringLiteral("Owner"), QStringLiteral("Owner"), QRect(0, 0, 200, 100));
    QWidget panel(form.client());
    QObject thing(&panel);
    EXPECT_EQ(owningWindow(&thing), &form);
    EXPECT_EQ(owningWindow(&form), &form);
    EXPECT_EQ(owningWindow(nullptr), nullptr);
}

} // namespace
