#include "paint_fixture.h"
#include "skin/core/skininforce.h"

#include "skin/core/gradient.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"

namespace {

TsGradArray plainGradient(int level, int mode = 1)
{
    TsGradSegment s;
    s.color1 = grey(level);
    s.color2 = grey(level);
    s.mode = mode;
    return {s};
}

void setGradient(TsGeneralData& section, int percent, int level, int mode = 1)
{
    section.gradientPercent = percent;
    section.gradientData = QStringLiteral("x");
    section.gradient = plainGradient(level, mode);
}

bool allPixels(const QImage& image, int32_t color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixel(image, x, y) != color)
                return false;
    return true;
}

class SectionPaintTest : public SkinPaintTest {
protected:
    // A texture mask "PATTERN" of `level` for section `name` (a 2 x 2 corner of the master bitmap).
    static void addTexture(const char* name, int level)
    {
        QImage master = filledImage(4, 4, grey(level));
        setMasterBitmap(master);
        addMask(name, "PATTERN", QRect(0, 0, 2, 2), 1, 0);
    }

    static QImage paint(int section, int state = 0, const TsCacheInfo& parent = {}, int32_t fillColor = clSkinKey)
    {
        QImage target = filledImage(3, 2, grey(1));
        paintSectionBackground(*skinInForce(), target, target.rect(),
                               {.sectionIndex = section,
                                .sectionName = skinInForce()->sections[section].sectionName,
                                .parentCache = parent,
                                .state = ControlState(state),
                                .fillColor = fillColor});
        return target;
    }
};

} // namespace

TEST_F(SectionPaintTest, NoImageAndNoGradientGiveThePlainBaseColourOfTheState)
{
    TsGeneralData edit = plainSection("EDIT", rgbColor(10, 20, 30));
    edit.hotColor = rgbColor(40, 50, 60);
    const int index = addSection(edit);
    EXPECT_TRUE(allPixels(paint(index, 0), rgbColor(10, 20, 30)));
    EXPECT_TRUE(allPixels(paint(index, 2), rgbColor(40, 50, 60)));
}

TEST_F(SectionPaintTest, SharesOfImageAndGradientDecideWhatIsLeftOfTheBaseColour)
{
    struct Case {
        int imagePercent;
        int gradientPercent;
        int32_t fillOverride;
        int32_t expected;
    };
    // Texture 100, gradient 200, base colour 0. Image and gradient share 50/50 with weight 127:
    // (100 * 127 + 200 * 129) / 256 = 150.4. At 30 + 30 the base colour takes 40 %.
    const Case cases[] = {
        {0, 100, clSkinKey, grey(200)},
        {50, 50, clSkinKey, grey(150)},
        {30, 30, clSkinKey, grey(divRoundEven(divRoundEven(100 * 77 + 200 * 179, 256) * 60, 100))},
        {60, 50, clSkinKey, grey(0)},
        {60, 50, grey(77), grey(77)},
        {0, 0, grey(77), grey(77)},
    };
    for (const Case& c : cases)
        for (const int mode : {0, 1}) {
            putSkinInForce(nullptr);
            addTexture("FORM", 100);
            TsGeneralData form = plainSection("FORM", grey(0));
            form.imagePercent = c.imagePercent;
            setGradient(form, c.gradientPercent, 200, mode);
            const int index = addSection(form);
            EXPECT_TRUE(allPixels(paint(index, 0, {}, c.fillOverride), c.expected))
                << c.imagePercent << " + " << c.gradientPercent << " mode " << mode;
        }
}

TEST_F(SectionPaintTest, GradientOverTextureFollowsItsSegmentsInBothDirections)
{
    // Texture 0 keeps 127/256 over a gradient from 0 at the near edge to 255 at the far one.
    for (const int mode : {0, 1}) {
        putSkinInForce(nullptr);
        addTexture("PANEL", 0);
        TsGeneralData panel = plainSection("PANEL", grey(0));
        panel.imagePercent = 50;
        panel.gradientPercent = 50;
        panel.gradientData = QStringLiteral("x");
        TsGradSegment ramp;
        ramp.color1 = grey(0);
        ramp.color2 = grey(255);
        ramp.mode = mode;
        panel.gradient = {ramp};
        const int index = addSection(panel);
        QImage target = filledImage(3, 3, grey(1));
        paintSectionBackground(*skinInForce(), target, QRect(0, 1, 3, 2),
                               {.sectionIndex = index, .sectionName = "PANEL"});
        const std::vector<int32_t> expected = {grey(0), grey(divRoundEven(255 * 129, 256))};
        EXPECT_EQ(mode == 1 ? std::vector<int32_t>({pixel(target, 0, 1), pixel(target, 2, 1)})
                            : std::vector<int32_t>({pixel(target, 0, 1), pixel(target, 0, 2)}),
                  expected);
        EXPECT_EQ(pixel(target, 1, 0), grey(1));
    }
}

TEST_F(SectionPaintTest, AreaManyTilesTallIsTheTexturePixelBlendedWithTheGradientPixel)
{
    // A texture of unequal pixels repeats many times across and down a rectangle that ends off
    // the bitmap: every pixel is its texel on the rectangle's tile grid keeping 127/256 over the
    // gradient's pixel at the same place.
    QImage master(5, 3, QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            setPixel(master, x, y, rgbColor(40 * x + y, 250 - 60 * y, 17 * x * y));
    setMasterBitmap(master);
    addMask("FORM", "PATTERN", master.rect(), 1, 0);
    const QRect rect(3, -2, 101, 40);
    for (const int mode : {0, 1}) {
        TsGeneralData form = plainSection("FORM", grey(0));
        form.imagePercent = 50;
        form.gradientPercent = 50;
        form.gradientData = QStringLiteral("x");
        TsGradSegment ramp;
        ramp.color1 = rgbColor(10, 200, 0);
        ramp.color2 = rgbColor(250, 30, 120);
        ramp.mode = mode;
        form.gradient = {ramp};
        const int index = addSection(form);
        QImage target = filledImage(110, 36, grey(1));
        paintSectionBackground(*skinInForce(), target, rect, {.sectionIndex = index, .sectionName = "FORM"});

        QImage gradient = filledImage(rect.width(), rect.height(), grey(0));
        paintGradient(gradient, gradient.rect(), form.gradient);
        int wrong = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                int32_t expected = grey(1);
                if (rect.contains(x, y)) {
                    const QPoint in = QPoint(x, y) - rect.topLeft();
                    const uint8_t* t = master.constScanLine(in.y() % 3) + in.x() % 5 * 3;
                    const uint8_t* g = gradient.constScanLine(in.y()) + in.x() * 3;
                    const auto mix = [&](int channel) {
                        return divRoundEven(t[channel] * 127 + g[channel] * 129, 256);
                    };
                    expected = rgbColor(mix(2), mix(1), mix(0));
                }
                wrong += pixel(target, x, y) != expected;
            }
        EXPECT_EQ(wrong, 0) << "mode " << mode;
    }
}

TEST_F(SectionPaintTest, TransparencyLetsTheParentsCachedPixelsThrough)
{
    // The parent's pixel for the control's (0, 0) sits at offset (1, 1) plus position (1, 0).
    QImage parent = filledImage(5, 4, grey(7));
    fillRect(parent, 2, 1, 3, 2, grey(200));
    struct Case {
        int transparency;
        bool ready;
        int32_t expected;
    };
    // At 50 % the parent keeps 127/256: 200 * 127 / 256 = 99.2.
    for (const Case& c : {Case{0, true, grey(0)}, Case{100, true, grey(200)}, Case{100, false, grey(0)},
                          Case{50, true, grey(99)}, Case{50, false, grey(0)}}) {
        putSkinInForce(nullptr);
        TsGeneralData button = plainSection("PANEL", grey(0));
        button.transparency = c.transparency;
        const int index = addSection(button);
        const TsCacheInfo cache{&parent, 1, 1, c.ready};
        QImage target = filledImage(3, 2, grey(1));
        paintSectionBackground(
            *skinInForce(), target, target.rect(),
            {.sectionIndex = index, .sectionName = "PANEL", .parentCache = cache, .position = QPoint(1, 0)});
        EXPECT_TRUE(allPixels(target, c.expected)) << c.transparency << (c.ready ? " ready" : " not ready");
    }
}

TEST_F(SectionPaintTest, FullyTransparentSectionOverItsOwnParentCacheLeavesItAlone)
{
    TsGeneralData label = plainSection("LABEL", grey(0));
    label.transparency = 100;
    const int index = addSection(label);
    QImage cache = filledImage(4, 4, grey(33));
    const TsCacheInfo info{&cache, 0, 0, true};
    paintSectionBackground(
        *skinInForce(), cache, QRect(1, 1, 2, 2),
        {.sectionIndex = index, .sectionName = "LABEL", .parentCache = info, .position = QPoint(1, 1)});
    EXPECT_TRUE(allPixels(cache, grey(33)));
}

TEST_F(SectionPaintTest, FixedIndexVariantKeepsItsOwnWeightAndIgnoresTheOverrides)
{
    // Texture 255 under gradient 0 at 50 %: weight 127 gives 126.504 -> 127, weight 128 gives the
    // exact half 127.5 -> 128.
    addTexture("SCROLLSLIDERH", 255);
    TsGeneralData slider = plainSection("SCROLLSLIDERH", grey(0));
    slider.imagePercent = 50;
    setGradient(slider, 50, 0);
    const int index = addSection(slider);
    EXPECT_TRUE(allPixels(paint(index), grey(127)));

    QImage fixed = filledImage(3, 2, grey(1));
    const SectionPaint slidePaint{.sectionIndex = index, .sectionName = "SCROLLSLIDERH"};
    paintSectionBackgroundFixed(*skinInForce(), fixed, fixed.rect(), slidePaint, {.texture = 0, .hotTexture = -1});
    EXPECT_TRUE(allPixels(fixed, grey(128)));

    // An invalid texture index fills with the base colour before the gradient is laid on.
    QImage invalid = filledImage(3, 2, grey(1));
    SectionPaint hotSlider = slidePaint;
    hotSlider.state = ControlState::Hot;
    paintSectionBackgroundFixed(*skinInForce(), invalid, invalid.rect(), hotSlider, {.texture = 0, .hotTexture = 17});
    EXPECT_TRUE(allPixels(invalid, grey(0)));

    TsGeneralData plain = plainSection("SCROLLBAR1H", grey(44));
    const int plainIndex = addSection(plain);
    QImage noOverride = filledImage(3, 2, grey(1));
    paintSectionBackgroundFixed(*skinInForce(), noOverride, noOverride.rect(),
                                {.sectionIndex = plainIndex, .sectionName = "X", .fillColor = grey(91)}, {});
    EXPECT_TRUE(allPixels(noOverride, grey(44)));
}

TEST_F(SectionPaintTest, InvalidSectionOrRectangleOutsideTheTargetPaintsNothing)
{
    const int index = addSection(plainSection("EDIT", grey(50)));
    QImage target = filledImage(3, 3, grey(1));
    const SectionPaint edit{.sectionIndex = index, .sectionName = "EDIT", .border = BorderPart::All};
    SectionPaint unknown = edit;
    unknown.sectionIndex = 5;
    paintSectionBackground(*skinInForce(), target, target.rect(), unknown);
    unknown.sectionIndex = -1;
    paintItem(*skinInForce(), target, target.rect(), unknown);
    paintItem(*skinInForce(), target, QRect(1, 1, 3, 2), edit);
    paintItem(*skinInForce(), target, QRect(-1, 0, 2, 2), edit);
    EXPECT_TRUE(allPixels(target, grey(1)));
    paintWholeItem(*skinInForce(), target, edit);
    EXPECT_TRUE(allPixels(target, grey(50)));
}
