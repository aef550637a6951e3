#include "skin/controls/tsgrip.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tssystemmenu.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/maskpaint.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"
#include "skin/core/tsstoredskin.h"

#include "platform/colors.h"
#include "platform/form.h"
#include "platform/metrics.h"
#include "platform/programfolder.h"
#include "skin/controls/windowscrollmetrics.h"
#include "tests/skin/core/skinprobe.h"
#include "tests/support/casename.h"
#include "tests/support/printers.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QAccessibleActionInterface>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int frame = metrics::frameWidth;
constexpr int title = metrics::captionHeight;
const QRect designed(100, 100, 400, 300);

// A window with a provider over the internal skin, in an empty program folder.
class FrameTest : public SkinFixture {
protected:
    void TearDown() override
    {
        form.reset();
        manager.reset();
        SkinFixture::TearDown();
    }

    void startSkin(bool withStoredSkins = true)
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        if (withStoredSkins) {
            manager->setInternalSkins({ferroluxSkin()});
            manager->setSkinName(ferroluxSkinName);
        }
    }

    TsSkinProvider* makeForm(const QString& caption = QStringLiteral("Окно"))
    {
        form = std::make_unique<Form>(QStringLiteral("FrameForm"), caption, designed);
        provider = new TsSkinProvider(form.get());
        return provider;
    }

    // The pixels of `rect` of the window's image.
    QImage framePart(const QRect& rect) { return provider->frameImage().copy(rect); }

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<Form> form;
    TsSkinProvider* provider = nullptr;
};

const TsMaskData& formMask(const char* section, const char* property)
{
    const int index = skinInForce()->FindMask(skinInForce()->FindSection(QLatin1String(section)),
                                              QLatin1String(section), QLatin1String(property));
    EXPECT_TRUE(skinInForce()->isValidMaskIndex(index)) << section << " " << property;
    return skinInForce()->masks[index];
}

// A window skinned when its provider is made, and one that takes a skin applied later, both lose
// the native frame, grow by the skinned frame around an unchanged client area, and get the native
// frame and their size back when the skin goes.
TEST_F(FrameTest, SkinnedWindowIsFramelessAroundItsClientAndGetsItsFrameBack)
{
    for (const bool skinFirst : {true, false}) {
        SCOPED_TRACE(skinFirst ? "skin before the provider" : "skin after the provider");
        if (skinFirst)
            startSkin();
        makeForm();
        const QSize clientSize = Form::clientSizeForOuter(designed.size());
        if (!skinFirst) {
            EXPECT_FALSE(provider->frameSkinned());
            startSkin();
        }
        EXPECT_TRUE(provider->frameSkinned());
        EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_EQ(form->size(), designed.size());
        EXPECT_EQ(form->client()->geometry(), QRect(QPoint(frame, frame + title), clientSize));
        const int globalInfo = skinInForce()->commonIndexes.globalInfo;
        ASSERT_TRUE(skinInForce()->isValidSectionIndex(globalInfo));
        EXPECT_EQ(form->palette().color(QPalette::Window), toQColor(skinInForce()->sections[globalInfo].color));

        manager->setActive(false);
        EXPECT_EQ(form->palette().color(QPalette::Window), QColor(QRgb(clSilver)));
        EXPECT_FALSE(provider->frameSkinned());
        EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(form->size(), clientSize);
        EXPECT_TRUE(form->mask().isEmpty());
        EXPECT_EQ(form->client()->pos(), QPoint(0, 0));
        form.reset();
        manager.reset();
    }
}

// A skin without a "FORM" section leaves the window as it is without a skin, native frame and
// all, whether it is in force when the window is made or chosen while the window is shown; a skin
// with one frames the window again.
TEST_F(FrameTest, SkinWithoutAWindowSectionLeavesTheNativeFrame)
{
    TsStoredSkin noWindows = ferroluxSkin();
    noWindows.Name = QStringLiteral("Без окон");
    noWindows.GeneralData.removeIf(
        [](const TsSkinGeneral& section) { return section.SectionName.compare(u"FORM", Qt::CaseInsensitive) == 0; });
    manager = std::make_unique<TsSkinManager>(nullptr);
    manager->setInternalSkins({ferroluxSkin(), noWindows});
    manager->setSkinName(noWindows.Name);
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QSize clientSize = Form::clientSizeForOuter(designed.size());
    const auto expectNative = [&] {
        EXPECT_FALSE(provider->frameSkinned());
        EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(form->size(), clientSize);
        EXPECT_EQ(form->client()->pos(), QPoint(0, 0));
        EXPECT_EQ(provider->hitTest(QPoint(frame + 30, frame + 2)), HTCLIENT);
    };
    {
        SCOPED_TRACE("in force when the window was made");
        expectNative();
    }
    manager->setSkinName(ferroluxSkinName);
    EXPECT_TRUE(provider->frameSkinned());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), designed.size());
    {
        SCOPED_TRACE("chosen while the window is shown");
        manager->setSkinName(noWindows.Name);
        expectNative();
    }
}

// A window with two providers wears one frame, and each provider is found as the window's first.
TEST_F(FrameTest, SecondProviderOnAWindowChainsWithoutGrowingItTwice)
{
    startSkin();
    makeForm();
    auto* second = new TsSkinProvider(form.get());
    EXPECT_TRUE(second->frameSkinned());
    EXPECT_EQ(form->size(), designed.size());
    EXPECT_EQ(TsSkinProvider::of(form.get()), provider);
    EXPECT_EQ(sendSkinMessage(form.get(), SKM_ISHOOKED), 1);
    int closeButtons = 0;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    for (int index = 0; index < window->childCount(); ++index)
        closeButtons += window->child(index)->text(QAccessible::Name) == QStringLiteral("Закрыть") ? 1 : 0;
    EXPECT_EQ(closeButtons, 1) << "one close button for screen readers";
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return provider->systemMenu()->isVisible(); })) << "one menu key";
    provider->systemMenu()->close();
    manager->setActive(false);
    EXPECT_EQ(form->size(), Form::clientSizeForOuter(designed.size()));
}

// A menu bar stands below the skinned title, over the band the provider painted for it, and the
// client area below the menu bar.
TEST_F(FrameTest, MenuBarStandsBelowTheTitleOverItsPaintedBand)
{
    startSkin();
    makeForm();
    EXPECT_TRUE(provider->menuBarBackground().isNull()) << "no menu bar";
    auto* bar = new QMenuBar(form.get());
    bar->addMenu(QStringLiteral("Лекции"));
    form->layout()->setMenuBar(bar);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(bar->pos(), QPoint(frame, frame + title));
    EXPECT_EQ(bar->width(), form->width() - 2 * frame);
    EXPECT_EQ(form->client()->y(), bar->geometry().bottom() + 1);
    const QImage band = provider->menuBarBackground();
    EXPECT_EQ(band.size(), bar->size());
    EXPECT_EQ(band, provider->frameImage().copy(bar->geometry()));
    EXPECT_EQ(TsSkinProvider::of(form.get()), provider);
    EXPECT_EQ(TsSkinProvider::of(form->client()), nullptr);
    manager->setActive(false);
    EXPECT_TRUE(provider->menuBarBackground().isNull());
}

// The controls ask the client area for the background they are drawn over; the provider answers
// with its window image and the client's place in it, and with its updating state.
TEST_F(FrameTest, ProviderAnswersTheClientAreasCacheRequests)
{
    QWidget* client = nullptr;
    {
        makeForm();
        client = form->client();
        EXPECT_FALSE(requestSkinCache(client).ready) << "no skin, no cache";
    }
    startSkin();
    const TsCacheInfo cache = requestSkinCache(client);
    ASSERT_TRUE(cache.ready);
    EXPECT_EQ(cache.bitmap, &provider->SkinData.cache());
    EXPECT_EQ(cache.bitmap->size(), form->size());
    EXPECT_EQ(QPoint(cache.x, cache.y), QPoint(frame, frame + title));
    EXPECT_EQ(sendSkinMessage(client, SKM_ISUPDATING), 0) << "the image was just built";
    sendSkinMessage(form.get(), SKM_SETUPDATING, 0, 1);
    EXPECT_EQ(sendSkinMessage(client, SKM_ISUPDATING), 1);
    EXPECT_EQ(sendSkinMessage(client, SKM_ISHALFVISIBLE), 0);
    QWidget child(client);
    sendSkinMessage(client, SKM_SETPAINTINGCHILD, 0, toLParam(&child));
    EXPECT_EQ(provider->SkinData.paintingChild(), &child);
    EXPECT_EQ(reinterpret_cast<TsSkinProvider*>(sendSkinMessage(form.get(), SKM_GETPROVIDER)), provider);
}

// The window's corners take the shape of the frame's mask: a pixel of a corner belongs to the
// window exactly when neither the frame's nor the title's mask has the key colour there, and the
// bottom corners show the mask's own pixels.
TEST_F(FrameTest, CornersAreCutAndPaintedFromTheMasterBitmapsMask)
{
    startSkin();
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QImage& master = skinInForce()->masterBitmap;
    const TsMaskData& border = formMask("FORM", "BORDERSMASK");
    const TsMaskData& titleBorder = formMask("FORMTITLE", "BORDERSMASK");
    const MaskStateImage borderImage = maskStateImage(border, ControlState::Normal, master);
    const MaskStateImage titleImage = maskStateImage(titleBorder, ControlState::Normal, master);
    const QSize cell = maskCellSize(border);
    const QSize titleCell = maskCellSize(titleBorder);
    const int width = form->width();
    const int height = form->height();
    const QRegion region = form->mask();
    const QImage& image = provider->frameImage();
    auto keyAt = [&master](const MaskStateImage& mask, int x, int y) {
        return isKeyPixel(master.constScanLine(mask.rect.top() + y) + 3 * (mask.rect.left() + x));
    };
    int cutPixels = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const bool titleKey = x < titleCell.width() && y < titleCell.height() && keyAt(titleImage, x, y);
            const bool key = keyAt(borderImage, x, y) || titleKey;
            cutPixels += key ? 1 : 0;
            EXPECT_EQ(region.contains(QPoint(x, y)), !key) << x << "," << y;
            const int right = borderImage.rect.width() - cell.width() + x;
            const bool rightTitleKey = x >= cell.width() - titleCell.width() && y < titleCell.height()
                                       && keyAt(titleImage, titleImage.rect.width() - cell.width() + x, y);
            EXPECT_EQ(region.contains(QPoint(width - cell.width() + x, y)),
                      !(keyAt(borderImage, right, y) || rightTitleKey))
                << "right " << x << "," << y;

            const int maskRow = borderImage.rect.height() - cell.height() + y;
            EXPECT_EQ(region.contains(QPoint(x, height - cell.height() + y)), !keyAt(borderImage, x, maskRow))
                << "bottom " << x << "," << y;
        }
    }
    // The painted corner is the mask's own corner, BorderWidth pixels square.
    for (int y = 0; y < border.borderWidth; ++y) {
        for (int x = 0; x < border.borderWidth; ++x) {
            const int maskRow = borderImage.rect.height() - border.borderWidth + y;
            if (keyAt(borderImage, x, maskRow))
                continue;
            const uint8_t* painted = image.constScanLine(height - border.borderWidth + y) + 3 * x;
            const uint8_t* source =
                master.constScanLine(borderImage.rect.top() + maskRow) + 3 * (borderImage.rect.left() + x);
            EXPECT_TRUE(std::equal(painted, painted + 3, source)) << "bottom pixel " << x << "," << y;
        }
    }
    // No key colour shows anywhere in the window.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (region.contains(QPoint(x, y))) {
                ASSERT_FALSE(isKeyPixel(image.constScanLine(y) + 3 * x)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(cutPixels, 0) << "the internal skin rounds its corners";
}

// A caption set while the window runs shows in the skinned title, left of the title buttons.
TEST_F(FrameTest, CaptionSetAtRunTimeShowsInTheTitle)
{
    startSkin();
    makeForm(QString());
    const QImage blank = provider->frameImage().copy();
    form->setWindowTitle(QStringLiteral("Новый заголовок"));
    EXPECT_EQ(provider->caption(), QStringLiteral("Новый заголовок"));
    const QImage& captioned = provider->frameImage();
    QRect changed;
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            if (blank.pixel(x, y) != captioned.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_GE(changed.top(), frame);
    EXPECT_LE(changed.bottom(), frame + title);
    EXPECT_LT(changed.right(), provider->titleButtonRect(TitleButton::Minimize).left());
}

// Without biMaximize the maximise button is drawn half over the title and answers nothing: not the
// mouse, not a double click on the caption, not a screen reader.
TEST_F(FrameTest, MaximizeButtonWithoutBiMaximizeIsFaintAndIgnored)
{
    startSkin();
    makeForm();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(provider->active());
    const QRect button = provider->titleButtonRect(TitleButton::Maximize);
    const QImage drawn = framePart(button);
    provider->setBorderIcons(biSystemMenu);
    const QImage background = framePart(button);
    provider->setBorderIcons(biSystemMenu | biMinimize);
    const QImage faint = framePart(button);

    int differing = 0;
    for (int y = 0; y < button.height(); ++y) {
        for (int x = 0; x < button.width(); ++x) {
            const QColor full = drawn.pixelColor(x, y);
            const QColor under = background.pixelColor(x, y);
            const QColor half = faint.pixelColor(x, y);
            differing += full != under ? 1 : 0;
            EXPECT_NEAR(half.red(), (full.red() + under.red()) / 2, 1) << x << "," << y;
            EXPECT_NEAR(half.green(), (full.green() + under.green()) / 2, 1) << x << "," << y;
            EXPECT_NEAR(half.blue(), (full.blue() + under.blue()) / 2, 1) << x << "," << y;
        }
    }
    EXPECT_GT(differing, 0);

    EXPECT_EQ(provider->hitTest(button.center()), HTCAPTION);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, button.center());
    provider->clickTitleButton(TitleButton::Maximize);
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, QPoint(form->width() / 2, frame + 2));
    QTest::qWait(50);
    EXPECT_FALSE(form->isMaximized());
}

struct DoubleClickCase {
    std::string name;
    BorderIcons icons;
    bool maximizes;
};

class CaptionDoubleClick : public FrameTest, public ::testing::WithParamInterface<DoubleClickCase> {};

// A double click on the caption maximises only a window that may be maximised.
TEST_P(CaptionDoubleClick, MaximizesOnlyWithMaximize)
{
    startSkin();
    makeForm();
    provider->setBorderIcons(GetParam().icons);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, QPoint(form->width() / 2, frame + 2));
    QTest::qWait(50);
    EXPECT_EQ(form->isMaximized(), GetParam().maximizes);
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Frame, CaptionDoubleClick,
                         ::testing::Values(DoubleClickCase{"all buttons", biSystemMenu | biMinimize | biMaximize, true},
                                           DoubleClickCase{"no maximize", biSystemMenu | biMinimize, false},
                                           DoubleClickCase{"no buttons", {}, false}),
                         CaseName());

// Every point of the title and border answers what it is, so that the right thing moves.
TEST_F(FrameTest, HitTestNamesTheButtonsTitleAndBorders)
{
    startSkin();
    makeForm();
    provider->setBorderIcons(biSystemMenu | biMinimize | biMaximize | biHelp);
    const int w = form->width();
    const int h = form->height();
    const struct {
        const char* name;
        QPoint point;
        int hit;
    } cases[] = {
        {"close", provider->titleButtonRect(TitleButton::Close).center(), HTCLOSE},
        {"maximize", provider->titleButtonRect(TitleButton::Maximize).center(), HTMAXBUTTON},
        {"minimize", provider->titleButtonRect(TitleButton::Minimize).center(), HTMINBUTTON},
        {"help", provider->titleButtonRect(TitleButton::Help).center(), HTHELP},
        {"icon", QPoint(frame + 2, (frame + title) / 2), HTSYSMENU},
        {"caption", QPoint(w / 2, (frame + title) / 2), HTCAPTION},
        {"left", QPoint(1, h / 2), HTLEFT},
        {"right", QPoint(w - 1, h / 2), HTRIGHT},
        {"top", QPoint(w / 2, 0), HTTOP},
        {"bottom", QPoint(w / 2, h - 1), HTBOTTOM},
        {"bottom right", QPoint(w - 1, h - 1), HTBOTTOMRIGHT},
        {"top left", QPoint(0, 0), HTTOPLEFT},
        {"client", QPoint(w / 2, h / 2), HTCLIENT},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(provider->hitTest(entry.point), entry.hit) << entry.name;
    // The buttons stand in order from the right edge, one pixel apart.
    EXPECT_EQ(provider->titleButtonRect(TitleButton::Close).right(), w - frame - 2);
    EXPECT_EQ(provider->titleButtonRect(TitleButton::Maximize).right() + 2,
              provider->titleButtonRect(TitleButton::Close).left());
}

// The title buttons work with the mouse: a press that is released over the button does what the
// button says; one released elsewhere does nothing. Pressing the caption and moving drags the window.
TEST_F(FrameTest, TitleButtonsAndCaptionWorkWithTheMouse)
{
    startSkin();
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint close = provider->titleButtonRect(TitleButton::Close).center();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, close);
    EXPECT_EQ(provider->titleButtonState(TitleButton::Close), ControlState::Pressed);
    QTest::mouseMove(form.get(), QPoint(form->width() / 2, form->height() / 2));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(form->width() / 2, form->height() / 2));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(provider->titleButtonState(TitleButton::Close), ControlState::Normal);

    QTest::mouseClick(form.get(), Qt::LeftButton, {}, provider->titleButtonRect(TitleButton::Maximize).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, provider->titleButtonRect(TitleButton::Maximize).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isMaximized(); }));

    QTest::mouseClick(form.get(), Qt::LeftButton, {}, provider->titleButtonRect(TitleButton::Close).center());
    EXPECT_FALSE(form->isVisible());
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

struct DragCase {
    std::string name;
    QPoint pressAt; // from the window's top-left corner; negative counts from the right or bottom
    QPoint movement;
    QPoint moved; // of the window's position
    QSize grown;
    ResizeMode mode = ResizeMode::rmStandard;
};

class FrameDrag : public FrameTest, public ::testing::WithParamInterface<DragCase> {};

// Pressing the caption or a border changes nothing until the pointer moves; then the window
// follows the pointer, by its position or its size, or with rmBorder an outline does and the
// window takes its place on release.
TEST_P(FrameDrag, MovesOrSizesFromTheFirstMovement)
{
    const DragCase& c = GetParam();
    startSkin();
    makeForm();
    provider->setResizeMode(c.mode);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect before = form->geometry();
    const QPoint press(c.pressAt.x() < 0 ? form->width() + c.pressAt.x() : c.pressAt.x(),
                       c.pressAt.y() < 0 ? form->height() + c.pressAt.y() : c.pressAt.y());
    sendMouse(form.get(), QEvent::MouseButtonPress, press, Qt::LeftButton);
    EXPECT_EQ(form->geometry(), before) << "not on the press";
    // The window may have moved already when the window system moves it; the pointer's place
    // on the screen is what counts.
    const QPoint target = form->mapToGlobal(press) + c.movement;
    sendMouse(form.get(), QEvent::MouseMove, form->mapFromGlobal(target), Qt::LeftButton);
    if (c.mode == ResizeMode::rmBorder) {
        EXPECT_EQ(form->geometry(), before) << "only the outline moves";
    }
    sendMouse(form.get(), QEvent::MouseButtonRelease, form->mapFromGlobal(target), Qt::NoButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->geometry() != before; }));
    EXPECT_EQ(form->pos() - before.topLeft(), c.moved);
    EXPECT_EQ(form->size() - before.size(), c.grown);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, FrameDrag,
    ::testing::Values(DragCase{"caption", {150, 10}, {30, 20}, {30, 20}, {0, 0}},
                      DragCase{"right border", {-1, 150}, {25, 40}, {0, 0}, {25, 0}},
                      DragCase{"left border", {1, 150}, {-20, 0}, {-20, 0}, {20, 0}},
                      DragCase{"bottom right corner", {-1, -1}, {10, 15}, {0, 0}, {10, 15}},
                      DragCase{"caption outline", {150, 10}, {30, 20}, {30, 20}, {0, 0}, ResizeMode::rmBorder},
                      DragCase{"top border outline", {150, 0}, {0, -12}, {0, -12}, {0, 12}, ResizeMode::rmBorder}),
    CaseName());

// The mouse over a title button makes it hot and leaving makes it normal again, repainting only
// the button; the pointer shows where the window sizes; a right-bottom grip sizes the window; the
// program's own title buttons report their clicks.
TEST_F(FrameTest, HoverGripAndOwnTitleButtons)
{
    startSkin();
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect close = provider->titleButtonRect(TitleButton::Close);
    provider->frameImage();
    sendMouse(form.get(), QEvent::MouseMove, close.center(), Qt::NoButton);
    EXPECT_EQ(provider->titleButtonState(TitleButton::Close), ControlState::Hot);
    const QImage hot = provider->frameImage().copy();
    sendMouse(form.get(), QEvent::MouseMove, QPoint(form->width() / 2, close.center().y()), Qt::NoButton);
    EXPECT_EQ(provider->titleButtonState(TitleButton::Close), ControlState::Normal);
    const QImage normal = provider->frameImage().copy();
    QRect changed;
    for (int y = 0; y < hot.height(); ++y)
        for (int x = 0; x < hot.width(); ++x)
            if (hot.pixel(x, y) != normal.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(close.contains(changed)) << "only the button changes";

    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } cursors[] = {
        {QPoint(form->width() - 1, form->height() / 2), Qt::SizeHorCursor},
        {QPoint(form->width() / 2, form->height() - 1), Qt::SizeVerCursor},
        {QPoint(form->width() - 1, form->height() - 1), Qt::SizeFDiagCursor},
        {QPoint(form->width() / 2, close.center().y()), Qt::ArrowCursor},
    };
    for (const auto& entry : cursors) {
        sendMouse(form.get(), QEvent::MouseMove, entry.at, Qt::NoButton);
        EXPECT_EQ(form->cursor().shape(), entry.shape) << entry.at.x() << "," << entry.at.y();
    }
    sendMouse(form.get(), QEvent::MouseMove, QPoint(form->width() - 1, form->height() / 2), Qt::NoButton);
    EXPECT_EQ(form->client()->cursor().shape(), Qt::ArrowCursor) << "the client keeps the arrow";

    const QPoint corner(form->width() - frame - 2, form->height() - frame - 2);
    EXPECT_EQ(provider->hitTest(corner), HTCLIENT);
    provider->setGripMode(GripMode::gmRightBottom);
    EXPECT_EQ(provider->hitTest(corner), HTBOTTOMRIGHT);

    int clicks = 0;
    TsTitleButton own;
    own.Name = QStringLiteral("Own");
    provider->titleButtons().append(own);
    QObject::connect(provider, &TsSkinProvider::titleButtonMouseUp, [&clicks](TsTitleButton&) { ++clicks; });
    provider->frameImage();
    const QRect ownRect = provider->titleButtons().first().rect;
    ASSERT_FALSE(ownRect.isEmpty());
    EXPECT_LT(ownRect.right(), provider->titleButtonRect(TitleButton::Minimize).left());
    EXPECT_EQ(provider->hitTest(ownRect.center()), firstUserButtonHit);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, ownRect.center());
    EXPECT_EQ(clicks, 1);
}

// The program's own title buttons look hot under the mouse and pressed while held, as the
// window's buttons do, and only they are drawn again.
TEST_F(FrameTest, OwnTitleButtonsShowHotAndPressed)
{
    startSkin();
    makeForm();
    TsTitleButton button;
    button.Name = QStringLiteral("Own");
    provider->titleButtons().append(button);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    provider->frameImage();
    const QRect own = provider->titleButtons().first().rect;
    ASSERT_FALSE(own.isEmpty());
    const QPoint away(form->width() / 2, own.center().y());
    const QImage normal = framePart(own);
    sendMouse(form.get(), QEvent::MouseMove, own.center(), Qt::NoButton);
    EXPECT_EQ(provider->titleButtons().first().state, ControlState::Hot);
    const QImage hot = framePart(own);
    sendMouse(form.get(), QEvent::MouseButtonPress, own.center(), Qt::LeftButton);
    EXPECT_EQ(provider->titleButtons().first().state, ControlState::Pressed);
    const QImage pressed = framePart(own);
    EXPECT_NE(hot, normal);
    EXPECT_NE(pressed, normal);
    EXPECT_NE(pressed, hot);
    sendMouse(form.get(), QEvent::MouseMove, away, Qt::LeftButton);
    EXPECT_EQ(framePart(own), normal) << "held, but the mouse went off it";
    sendMouse(form.get(), QEvent::MouseMove, own.center(), Qt::LeftButton);
    EXPECT_EQ(framePart(own), pressed);
    sendMouse(form.get(), QEvent::MouseButtonRelease, own.center(), Qt::NoButton);
    EXPECT_EQ(framePart(own), normal);
    sendMouse(form.get(), QEvent::MouseMove, own.center(), Qt::NoButton);
    EXPECT_EQ(framePart(own), hot);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form.get(), &leave);
    EXPECT_EQ(framePart(own), normal);
}

// Each title button is a push button to a screen reader, named as the desktop names it, and
// pressing it there does what a click does.
TEST_F(FrameTest, TitleButtonsArePushButtonsForScreenReaders)
{
    startSkin();
    makeForm();
    provider->setBorderIcons(biSystemMenu | biMinimize | biMaximize | biHelp);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto find = [this](const QString& name) -> QAccessibleInterface* {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int index = 0; window && index < window->childCount(); ++index) {
            QAccessibleInterface* child = window->child(index);
            if (child && child->role() == QAccessible::Button && !child->state().invisible
                && child->text(QAccessible::Name) == name)
                return child;
        }
        return nullptr;
    };
    for (const char* name : {"Свернуть", "Развернуть", "Закрыть", "Справка"})
        EXPECT_NE(find(QString::fromUtf8(name)), nullptr) << name;

    QAccessibleInterface* maximize = find(QStringLiteral("Развернуть"));
    ASSERT_NE(maximize, nullptr);
    ASSERT_NE(maximize->actionInterface(), nullptr);
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
    EXPECT_NE(find(QStringLiteral("Восстановить")), nullptr);

    manager->setActive(false);
    EXPECT_EQ(find(QStringLiteral("Закрыть")), nullptr) << "the native frame has its own buttons";
}

struct SnapCase {
    std::string name;
    QRect window;
    QPoint expected;
};

class ScreenSnapping : public ::testing::TestWithParam<SnapCase> {};

// An edge closer than the snap buffer (10) to the same edge of the monitor moves onto it.
TEST_P(ScreenSnapping, SnapsWithinTheBufferOnly)
{
    const QRect monitor(0, 0, 1000, 800);
    EXPECT_EQ(TsSkinProvider::snappedPosition(GetParam().window, monitor, 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Frame, ScreenSnapping,
                         ::testing::Values(SnapCase{"left at 9", QRect(9, 300, 200, 100), QPoint(0, 300)},
                                           SnapCase{"left at 10", QRect(10, 300, 200, 100), QPoint(10, 300)},
                                           SnapCase{"left at minus 9", QRect(-9, 300, 200, 100), QPoint(0, 300)},
                                           SnapCase{"top at 9", QRect(300, 9, 200, 100), QPoint(300, 0)},
                                           SnapCase{"right at 9", QRect(791, 300, 200, 100), QPoint(800, 300)},
                                           SnapCase{"bottom at 10", QRect(300, 690, 200, 100), QPoint(300, 690)},
                                           SnapCase{"corner", QRect(5, 695, 200, 100), QPoint(0, 700)}),
                         CaseName());

// A skinned window with ScreenSnap comes to rest on the monitor's edge when moved near it.
TEST_F(FrameTest, MovedWindowSnapsToTheMonitorEdge)
{
    startSkin();
    makeForm();
    provider->ScreenSnap = true;
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect monitor = form->screen()->geometry();
    form->move(monitor.left() + 9, monitor.top() + 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->x() == monitor.left(); }));
    form->move(monitor.left() + 10, monitor.top() + 100);
    QTest::qWait(20);
    EXPECT_EQ(form->x(), monitor.left() + 10);
}

struct SkinItemCase {
    std::string name;
    bool storedSkins;
    bool makeSkinMenu;
    bool listed;
};

class AvailableSkins : public FrameTest, public ::testing::WithParamInterface<SkinItemCase> {};

// The system menu offers the skins only when the manager lists some and the provider wants it.
TEST_P(AvailableSkins, ItemOnlyWhenSkinsAreListed)
{
    startSkin(GetParam().storedSkins);
    makeForm();
    provider->MakeSkinMenu = GetParam().makeSkinMenu;
    TsSystemMenu* menu = provider->systemMenu();
    menu->rebuildSkinItem();
    QAction* item = menu->findChild<QAction*>(QStringLiteral("SkinSelectItem"));
    ASSERT_EQ(item != nullptr, GetParam().listed);
    if (item) {
        EXPECT_EQ(menu->actions().first(), item);
        EXPECT_EQ(item->text(), QStringLiteral("Available skins"));
        ASSERT_EQ(item->menu()->actions().size(), 1);
        EXPECT_EQ(item->menu()->actions().first()->text(), ferroluxSkinName);
    }
    menu->rebuildSkinItem();
    EXPECT_EQ(menu->actions().size(), 7 + (GetParam().listed ? 2 : 0)) << "rebuilt, not added again";
}

INSTANTIATE_TEST_SUITE_P(Frame, AvailableSkins,
                         ::testing::Values(SkinItemCase{"stored skin", true, true, true},
                                           SkinItemCase{"no skins", false, true, false},
                                           SkinItemCase{"not wanted", true, false, false}),
                         CaseName());

// The system menu opens from the title icon and from Alt+Space, as the native frame's does.
// The title icon's window menu is a menu to screen readers, as the main menu is: met in the
// window as a menu button holding the menu's commands, and opened through it with the reader's
// focus on its first command, not on the window beneath.
TEST_F(FrameTest, WindowMenuIsAMenuForScreenReaders)
{
    startSkin();
    makeForm();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QAccessibleInterface* button = nullptr;
    for (int index = 0; index < window->childCount(); ++index) {
        QAccessibleInterface* child = window->child(index);
        if (child && child->role() == QAccessible::ButtonMenu && !child->state().invisible)
            button = child;
    }
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Меню окна"));
    ASSERT_EQ(button->childCount(), 1);
    QAccessibleInterface* menu = button->child(0);
    ASSERT_EQ(menu->role(), QAccessible::PopupMenu);
    QStringList items;
    for (int index = 0; index < menu->childCount(); ++index)
        items << menu->child(index)->text(QAccessible::Name);
    EXPECT_TRUE(items.contains(QStringLiteral("Move"))) << items.join(u',').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Close"))) << items.join(u',').toStdString();

    button->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    TsSystemMenu* systemMenu = provider->systemMenu();
    EXPECT_TRUE(QTest::qWaitFor([systemMenu] { return systemMenu->isVisible(); }));
    QAction* chosen = systemMenu->activeAction();
    ASSERT_NE(chosen, nullptr);
    EXPECT_TRUE(chosen->isEnabled());
    QAccessibleInterface* focused = menu->child(int(systemMenu->actions().indexOf(chosen)));
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_EQ(focused->text(QAccessible::Name), chosen->text());
    systemMenu->close();

    const auto menuButtonShown = [window] {
        for (int index = 0; index < window->childCount(); ++index)
            if (window->child(index)->role() == QAccessible::ButtonMenu && !window->child(index)->state().invisible)
                return true;
        return false;
    };
    provider->setShowAppIcon(false);
    EXPECT_FALSE(menuButtonShown()) << "no icon, no button in its place";
    provider->setShowAppIcon(true);
    EXPECT_TRUE(menuButtonShown());
    manager->setActive(false);
    EXPECT_FALSE(menuButtonShown()) << "the native frame has its own window menu";
}

TEST_F(FrameTest, SystemMenuOpensFromTheIconAndTheKeyboard)
{
    startSkin();
    makeForm();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TsSystemMenu* menu = provider->systemMenu();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(frame + 2, (frame + title) / 2));
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->close();
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->close();
}

// Few window menus are ever opened, so none is made with its window: the first click on the icon
// makes it, and it shows the window as it is by then.
TEST_F(FrameTest, SystemMenuIsMadeWhenFirstOpenedForTheWindowAsItIsThen)
{
    startSkin();
    makeForm();
    form->show();
    form->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->findChildren<TsSystemMenu*>().isEmpty());
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(frame + 2, (frame + title) / 2));
    const QList<TsSystemMenu*> made = form->findChildren<TsSystemMenu*>();
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made.first(), provider->systemMenu());
    EXPECT_TRUE(QTest::qWaitFor([&] { return made.first()->isVisible(); }));
    EXPECT_TRUE(made.first()->findChild<QAction*>(QStringLiteral("ItemRestore"))->isEnabled());
    EXPECT_FALSE(made.first()->findChild<QAction*>(QStringLiteral("ItemMaximize"))->isEnabled());
    made.first()->close();
}

// The system menu's items follow the window's state and border icons.
TEST_F(FrameTest, SystemMenuItemsFollowTheWindowState)
{
    startSkin();
    makeForm();
    form->show();
    TsSystemMenu* menu = provider->systemMenu();
    auto item = [menu](const char* name) { return menu->findChild<QAction*>(QLatin1String(name)); };
    menu->refresh();
    EXPECT_FALSE(item("ItemRestore")->isEnabled());
    EXPECT_TRUE(item("ItemMaximize")->isEnabled());
    EXPECT_TRUE(item("ItemMove")->isEnabled());
    item("ItemMaximize")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
    EXPECT_TRUE(item("ItemRestore")->isEnabled());
    EXPECT_FALSE(item("ItemMaximize")->isEnabled());
    EXPECT_FALSE(item("ItemMove")->isEnabled());
    provider->setBorderIcons(biSystemMenu | biMinimize);
    EXPECT_FALSE(item("ItemRestore")->isEnabled());
    provider->setBorderIcons({});
    EXPECT_FALSE(item("ItemClose")->isVisible());
}

struct ScrollCase {
    std::string name;
    QRect control;
    bool hiddenControl;
    bool horizontal;
    bool vertical;
};

class WindowScrolling : public FrameTest, public ::testing::WithParamInterface<ScrollCase> {};

bool shownIn(const QWidget* part, const QWidget* client)
{
    return part && part->isVisibleTo(client);
}

// A client too small for its controls gets a bar for each direction that does not fit (one bar
// taking enough room to need the other), with the square between them when both are shown. A
// control arranged to end at the client's edge follows the client and needs no bar.
TEST_P(WindowScrolling, BarsForTheDirectionsThatDoNotFit)
{
    const ScrollCase& c = GetParam();
    startSkin();
    makeForm();
    auto* control = new QWidget(form->client());
    control->setGeometry(c.control);
    control->setVisible(!c.hiddenControl);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QSize client = form->client()->size();
    ASSERT_EQ(client, Form::clientSizeForOuter(designed.size()));
    QWidget* clientArea = form->client();
    EXPECT_EQ(shownIn(provider->horizontalScrollBar(), clientArea), c.horizontal);
    EXPECT_EQ(shownIn(provider->verticalScrollBar(), clientArea), c.vertical);
    EXPECT_EQ(shownIn(provider->scrollCorner(), clientArea), c.horizontal && c.vertical);
    const int bar = metrics::scrollArrowSize;
    const QSize view(client.width() - (c.vertical ? bar : 0), client.height() - (c.horizontal ? bar : 0));
    if (c.vertical) {
        const TsScrollBar* vertical = provider->verticalScrollBar();
        EXPECT_EQ(vertical->geometry(), QRect(view.width(), 0, bar, view.height()));
        EXPECT_EQ(vertical->Max(), c.control.y() + c.control.height() + 2 - view.height());
        EXPECT_EQ(vertical->PageSize(), view.height());
    }
    if (c.horizontal) {
        const TsScrollBar* horizontal = provider->horizontalScrollBar();
        EXPECT_EQ(horizontal->geometry(), QRect(0, view.height(), view.width(), bar));
        EXPECT_EQ(horizontal->Max(), c.control.x() + c.control.width() + 2 - view.width());
        EXPECT_EQ(horizontal->SmallChange(), metrics::windowScroll::increment);
    }
    if (c.horizontal && c.vertical) {
        EXPECT_EQ(provider->scrollCorner()->geometry(), QRect(view.width(), view.height(), bar, bar));
    }
}

// The client is 392 x 266.
INSTANTIATE_TEST_SUITE_P(
    Frame, WindowScrolling,
    ::testing::Values(ScrollCase{"fits", QRect(10, 10, 300, 200), false, false, false},
                      ScrollCase{"fits but for the margin", QRect(10, 10, 300, 255), false, false, true},
                      ScrollCase{"too tall", QRect(10, 10, 100, 400), false, false, true},
                      ScrollCase{"too wide", QRect(10, 10, 500, 100), false, true, false},
                      ScrollCase{"too wide and too tall", QRect(10, 10, 500, 400), false, true, true},
                      ScrollCase{"too tall beside the other bar", QRect(10, 10, 500, 250), false, true, true},
                      ScrollCase{"too wide beside the other bar", QRect(10, 10, 370, 400), false, true, true},
                      ScrollCase{"hidden control", QRect(10, 10, 500, 400), true, false, false},
                      ScrollCase{"filling the client", QRect(0, 0, 392, 266), false, false, false},
                      ScrollCase{"along the bottom, full width", QRect(0, 241, 392, 25), false, false, false}),
    CaseName());

// Moving a bar moves the controls; a window grown to fit, or without its skin, shows them at
// their designed places again.
TEST_F(FrameTest, BarsScrollTheClientsControls)
{
    startSkin();
    makeForm();
    auto* control = new QWidget(form->client());
    control->setGeometry(10, 20, 500, 400);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_NE(provider->verticalScrollBar(), nullptr);
    provider->verticalScrollBar()->setPosition(50);
    provider->horizontalScrollBar()->setPosition(30);
    EXPECT_EQ(control->pos(), QPoint(-20, -30));
    EXPECT_EQ(provider->scrollOffset(), QPoint(30, 50));

    form->resize(form->size() + QSize(0, 300));
    EXPECT_FALSE(provider->verticalScrollBar()->isVisibleTo(form->client()));
    EXPECT_TRUE(provider->horizontalScrollBar()->isVisibleTo(form->client()));
    EXPECT_EQ(control->pos(), QPoint(-20, 20));

    manager->setActive(false);
    EXPECT_FALSE(provider->horizontalScrollBar()->isVisibleTo(form->client()));
    EXPECT_EQ(control->pos(), QPoint(10, 20));
}

struct WheelCase {
    std::string name;
    QRect control;
    QPoint turn;
    QPoint offset;
};

class WindowWheel : public FrameTest, public ::testing::WithParamInterface<WheelCase> {};

// A wheel turned over the client (or over a control that leaves the wheel unused, which Qt passes
// on to the client) scrolls the window that does not fit.
TEST_P(WindowWheel, ScrollsTheBarOfItsDirection)
{
    const WheelCase& c = GetParam();
    startSkin();
    makeForm();
    auto* control = new QWidget(form->client());
    control->setGeometry(c.control);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint at(20, 20);
    QWheelEvent wheel(at, form->client()->mapToGlobal(at), QPoint(), c.turn, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->client(), &wheel);
    EXPECT_EQ(provider->scrollOffset(), c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, WindowWheel,
    ::testing::Values(WheelCase{"down", QRect(10, 10, 100, 900), QPoint(0, -120),
                                QPoint(0, 3 * metrics::windowScroll::increment)},
                      WheelCase{"up at the top", QRect(10, 10, 100, 900), QPoint(0, 120), QPoint()},
                      WheelCase{"down with only a sideways bar", QRect(10, 10, 900, 100), QPoint(0, -120),
                                QPoint(3 * metrics::windowScroll::increment, 0)},
                      WheelCase{"nothing to scroll", QRect(10, 10, 100, 100), QPoint(0, -120), QPoint()}),
    CaseName());

// A control reached with the keyboard outside the view is scrolled into it by the least distance,
// and so is one scrolled out on the other side.
TEST_F(FrameTest, FocusBringsTheControlIntoView)
{
    startSkin();
    makeForm();
    auto* top = new QLineEdit(form->client());
    top->setGeometry(10, 10, 100, 20);
    auto* far = new QLineEdit(form->client());
    far->setGeometry(600, 500, 100, 20);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    far->setFocus();
    const QRect view(0, 0, provider->verticalScrollBar()->x(), provider->horizontalScrollBar()->y());
    EXPECT_TRUE(view.contains(far->geometry()));
    EXPECT_EQ(far->geometry().bottomRight(), view.bottomRight());
    top->setFocus();
    EXPECT_EQ(top->pos(), QPoint(0, 0));
}

// A skinned window may be made no larger than the work area and its frame's overhang; without the
// skin its own limit is back.
TEST_F(FrameTest, SkinnedWindowIsNoLargerThanTheWorkArea)
{
    makeForm();
    form->setMaximumSize(3000, 2000);
    startSkin();
    const QSize workArea = form->screen()->availableGeometry().size();
    const int overhang = metrics::workAreaOverhang;
    EXPECT_EQ(form->maximumSize(), workArea + QSize(overhang, overhang));
    manager->setActive(false);
    EXPECT_EQ(form->maximumSize(), QSize(3000, 2000));
}

// A minimised window's image holds its title only.
TEST_F(FrameTest, MinimisedWindowsImageIsItsTitleStrip)
{
    startSkin();
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(provider->frameImage().size(), QSize(metrics::minimizedFrameWidth, title));
    form->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(provider->frameImage().size(), form->size());
}

// The switched-on grip is a panel in the client's bottom-right corner: dragging it sizes the window
// like the frame's corner, and it goes while the window is maximised or the grip is off.
TEST_F(FrameTest, GripInTheClientCornerSizesTheWindow)
{
    startSkin();
    makeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(provider->sizeGrip(), nullptr);
    provider->setGripMode(GripMode::gmRightBottom);
    TsGrip* grip = provider->sizeGrip();
    ASSERT_TRUE(grip);
    ASSERT_TRUE(grip->isVisible());
    EXPECT_EQ(grip->parentWidget(), form->client());
    EXPECT_EQ(grip->geometry().bottomRight(), form->client()->rect().bottomRight());
    EXPECT_EQ(grip->size(), QSize(20, 20));

    const QRect before = form->geometry();
    const QPoint press = grip->rect().center();
    sendMouse(grip, QEvent::MouseButtonPress, press, Qt::LeftButton);
    const QPoint target = grip->mapToGlobal(press) + QPoint(30, 20);
    sendMouse(grip, QEvent::MouseMove, grip->mapFromGlobal(target), Qt::LeftButton);
    sendMouse(grip, QEvent::MouseButtonRelease, grip->mapFromGlobal(target), Qt::NoButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->geometry() != before; }));
    EXPECT_EQ(form->pos(), before.topLeft());
    EXPECT_EQ(form->size() - before.size(), QSize(30, 20));
    EXPECT_EQ(grip->geometry().bottomRight(), form->client()->rect().bottomRight()) << "follows the corner";

    form->showMaximized();
    EXPECT_FALSE(grip->isVisible());
    form->showNormal();
    EXPECT_TRUE(grip->isVisible());
    provider->setGripMode(GripMode::gmNone);
    EXPECT_FALSE(grip->isVisible());
}

} // namespace
