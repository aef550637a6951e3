#include "skin/controls/tsbitbtn.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsspeedbutton.h"

#include "tests/skin/controls/internalskinfixture.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A panel with a speed button on it, under the internal skin.
class SpeedButtonTest : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        panel = new TsPanel(window.get());
        panel->setGeometry(0, 0, 200, 100);
        button = new TsSpeedButton(panel);
        button->setGeometry(20, 30, 40, 24);
        // As on a toolbar: a focused button would look hot from the start.
        button->setFocusPolicy(Qt::NoFocus);
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::darkBlue);
        glyph.setPixel(0, 15, qRgb(255, 0, 255));
        button->setGlyph(glyph);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        panel->repaint();
    }

    void TearDown() override
    {
        window.reset();
        InternalSkinFixture::TearDown();
    }

    void enter(QWidget* widget)
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(widget, &event);
    }

    // The panel's face under the button.
    QImage panelUnderButton() const
    {
        return panel->SkinData.cache().copy(button->geometry()).convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<QWidget> window;
    TsPanel* panel = nullptr;
    TsSpeedButton* button = nullptr;
};

TEST_F(SpeedButtonTest, NormalHotPressedAndDisabledLooksDiffer)
{
    ASSERT_TRUE(button->skinActive());
    EXPECT_EQ(button->shownState(), ControlState::Normal);
    QList<QImage> looks{button->skinImage().copy()};
    enter(button);
    EXPECT_EQ(button->shownState(), ControlState::Hot);
    QTest::qWait(60);
    EXPECT_EQ(button->shownState(), ControlState::Hot);
    looks.append(button->skinImage().copy());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->shownState(), ControlState::Pressed);
    looks.append(button->skinImage().copy());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    button->setEnabled(false);
    looks.append(button->skinImage().copy());
    for (int i = 0; i < looks.size(); ++i)
        for (int j = i + 1; j < looks.size(); ++j)
            EXPECT_NE(looks[i], looks[j]) << "looks " << i << " and " << j;
}

TEST_F(SpeedButtonTest, CheckedButtonStaysDown)
{
    button->setButtonStyle(TsButtonStyle::tbsCheck);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->shownState(), ControlState::Pressed);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_NE(button->shownState(), ControlState::Pressed);
}

TEST_F(SpeedButtonTest, SeparatorShowsItsContainerAndDividerAddsALine)
{
    button->setButtonStyle(TsButtonStyle::tbsSeparator);
    EXPECT_EQ(button->skinImage().convertToFormat(QImage::Format_RGB32), panelUnderButton());
    button->setButtonStyle(TsButtonStyle::tbsDivider);
    const QImage divider = button->skinImage().convertToFormat(QImage::Format_RGB32);
    const QImage under = panelUnderButton();
    EXPECT_NE(divider, under);
    EXPECT_EQ(divider.pixel(1, 12), under.pixel(1, 12));
}

TEST_F(SpeedButtonTest, DropDownStyleAddsTheArrowPartToTheWidth)
{
    button->setButtonStyle(TsButtonStyle::tbsDropDown);
    EXPECT_EQ(button->width(), 56);
    button->setButtonStyle(TsButtonStyle::tbsButton);
    EXPECT_EQ(button->width(), 40);
}

TEST_F(SpeedButtonTest, PanelPaintingDrawsOnItsFaceOnEveryPaint)
{
    int paints = 0;
    QObject::connect(panel, &TsPanel::painting, [&](TsPanel* sender, QPainter& canvas) {
        EXPECT_EQ(sender, panel);
        ++paints;
        canvas.fillRect(QRect(0, 0, 4, 4), Qt::green);
    });
    panel->repaint();
    panel->repaint();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(panel->grab().toImage().pixelColor(1, 1), QColor(Qt::green));
}

// The caption is the panel's own, skin or none: without one it is written as the platform's panel
// writes it, in the middle, in the panel's text colour.
TEST_F(SpeedButtonTest, PanelWritesItsCaptionWithOrWithoutASkin)
{
    delete button;
    QPalette red = panel->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    panel->setPalette(red);
    QFont font = panel->font();
    font.setPixelSize(20);
    font.setBold(true);
    panel->setFont(font);
    const auto redPixelsInTheMiddle = [this] {
        const QImage shown = panel->grab().toImage();
        int count = 0;
        for (int x = 0; x < shown.width(); ++x)
            for (int y = 40; y < 60; ++y)
                count += shown.pixelColor(x, y) == QColor(200, 0, 0) ? 1 : 0;
        return count;
    };
    EXPECT_EQ(redPixelsInTheMiddle(), 0);
    panel->setCaption(QStringLiteral("HHHH"));
    for (const bool skinned : {true, false}) {
        SCOPED_TRACE(skinned);
        manager->setActive(skinned);
        ASSERT_EQ(panel->skinActive(), skinned);
        EXPECT_GT(redPixelsInTheMiddle(), 20);
    }
}

TEST_F(SpeedButtonTest, GlyphButtonShowsItsGlyphBesideTheCaption)
{
    auto* bitButton = new TsBitBtn(panel);
    bitButton->setGeometry(80, 30, 105, 25);
    bitButton->setText(QStringLiteral("Ок"));
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::darkBlue);
    glyph.setPixel(0, 15, qRgb(255, 0, 255));
    bitButton->setGlyph(glyph);
    bitButton->show();
    bitButton->repaint();
    const QImage& face = bitButton->SkinData.cache();
    int blue = 0;
    for (int x = 0; x < face.width(); ++x)
        blue += face.pixelColor(x, 12) == QColor(Qt::darkBlue) ? 1 : 0;
    EXPECT_EQ(blue, 16);
}

} // namespace
