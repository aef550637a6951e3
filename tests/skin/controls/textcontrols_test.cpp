#include "skin/controls/tsedit.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/controls/tstreeview.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skininforce.h"

#include "platform/form.h"
#include "tests/skin/controls/internalskinfixture.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Text, list and tree controls on a shown window under the internal skin. No out-of-range message
// may come up while their bars are kept in step.
class TextControlsTest : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window = std::make_unique<Form>(QStringLiteral("TextForm"), QStringLiteral("Окно"), QRect(50, 50, 600, 400));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        EXPECT_TRUE(boxes.empty()) << boxes.texts().join(u'|').toStdString();
        window.reset();
        InternalSkinFixture::TearDown();
    }

    template <class Control>
    Control* place(const QRect& geometry)
    {
        auto* control = new Control(window->client());
        control->setObjectName(QStringLiteral("Control"));
        control->setGeometry(geometry);
        control->show();
        QCoreApplication::processEvents();
        return control;
    }

    static QImage picture(QWidget* control) { return control->grab().toImage().convertToFormat(QImage::Format_BGR888); }

    MessageRecorder boxes;
    std::unique_ptr<Form> window;
};

// The band `width` pixels wide along the edges of `image`, the rest blanked, so that frames can be
// compared whatever lies inside them.
QImage frameBand(QImage image, int width)
{
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(width, width, -width, -width), Qt::black);
    return image;
}

enum class Kind { Edit, Memo, List, Tree };

struct FrameCase {
    const char* name;
    Kind kind;
    int width;
};

class FrameStrips : public TextControlsTest, public ::testing::WithParamInterface<FrameCase> {};

TsCommonData& skinOf(QWidget* control)
{
    if (auto* edit = qobject_cast<TsEdit*>(control))
        return edit->SkinData;
    if (auto* memo = qobject_cast<TsMemo*>(control))
        return memo->SkinData;
    if (auto* list = qobject_cast<TsListBox*>(control))
        return list->SkinData;
    return qobject_cast<TsTreeView*>(control)->SkinData;
}

// The frame on screen is the skin's, as wide as the control's kind wants it, and the platform's
// client area starts where it ends; without the skin the platform's frame comes back.
TEST_P(FrameStrips, FrameComesFromTheCacheAroundThePlatformsClientArea)
{
    const FrameCase& test = GetParam();
    const QRect place(10, 10, 150, 90);
    QWidget* control = nullptr;
    switch (test.kind) {
    case Kind::Edit: control = this->place<TsEdit>(place); break;
    case Kind::Memo: control = this->place<TsMemo>(place); break;
    case Kind::List: control = this->place<TsListBox>(place); break;
    case Kind::Tree:
        control = this->place<TsTreeView>(place);
        static_cast<TsTreeView*>(control)->setHeaderHidden(true);
        break;
    }
    const QImage shown = picture(control);
    const QImage& cache = skinOf(control).cache();
    ASSERT_EQ(cache.size(), control->size());
    EXPECT_EQ(frameBand(shown, test.width), frameBand(cache, test.width));
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        EXPECT_EQ(area->viewport()->geometry(),
                  control->rect().adjusted(test.width, test.width, -test.width, -test.width));
        const int ownStyle = QFrame::StyledPanel | QFrame::Sunken;
        manager->setActive(false);
        EXPECT_EQ(area->frameStyle(), ownStyle);
    } else {
        auto* edit = static_cast<TsEdit*>(control);
        EXPECT_EQ(edit->textMargins(), QMargins(test.width, test.width, test.width, test.width));
        manager->setActive(false);
        EXPECT_TRUE(edit->hasFrame());
        EXPECT_EQ(edit->textMargins(), QMargins());
    }
}

INSTANTIATE_TEST_SUITE_P(TextControls, FrameStrips,
                         ::testing::Values(FrameCase{"edit", Kind::Edit, 2}, FrameCase{"memo", Kind::Memo, 2},
                                           FrameCase{"list", Kind::List, 3}, FrameCase{"tree", Kind::Tree, 3}),
                         CaseName());

// Not focused, a password edit shows one '*' per character in the skin's colours, exactly as a
// plain edit holding the stars; focused, the platform draws the field with its own characters.
TEST_F(TextControlsTest, UnfocusedPasswordEditShowsOneStarPerCharacter)
{
    auto* password = place<TsEdit>(QRect(10, 10, 150, 24));
    password->setEchoMode(QLineEdit::Password);
    password->setText(QStringLiteral("secret"));
    auto* stars = place<TsEdit>(QRect(10, 50, 150, 24));
    stars->setText(QStringLiteral("******"));
    EXPECT_EQ(picture(password), picture(stars));

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(password, &focusIn);
    ASSERT_TRUE(password->SkinData.hot());
    EXPECT_NE(picture(password), picture(stars));
}

// Where the text's ink lies inside the frame: every pixel that stands out from its row's
// background, read at the row's far end, where the short text never reaches.
QRect inkOf(const QImage& image, int frame)
{
    QRect ink;
    const int far = image.width() - frame - 1;
    for (int y = frame; y < image.height() - frame; ++y)
        for (int x = frame; x < far; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const QColor background = image.pixelColor(far, y);
            if (std::abs(pixel.red() - background.red()) + std::abs(pixel.green() - background.green())
                    + std::abs(pixel.blue() - background.blue())
                > 120)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// Hover or focus hands the text from the skin to the platform: it must not move.
TEST_F(TextControlsTest, EditTextStaysWhereItIsWhenThePlatformTakesOver)
{
    for (const int height : {20, 24, 28, 40})
        for (const Qt::Alignment alignment :
             {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignTop}) {
            SCOPED_TRACE(testing::Message() << height << " " << int(alignment));
            auto* edit = place<TsEdit>(QRect(10, 10, 150, height));
            // Read-only, it draws no caret, which would stand beside the text.
            edit->setReadOnly(true);
            edit->setAlignment(alignment);
            edit->setText(QStringLiteral("Проба"));
            const QRect skin = inkOf(picture(edit), 2);
            // Not by Tab, which would mark the whole text.
            QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(edit, &focusIn);
            ASSERT_TRUE(edit->SkinData.hot());
            const QRect platform = inkOf(picture(edit), 2);
            ASSERT_FALSE(skin.isEmpty());
            EXPECT_EQ(skin, platform);
            delete edit;
        }
}

// A memo's skinned bars are laid over its own only when it is wider and higher than 15 pixels.
TEST_F(TextControlsTest, MemoGetsSkinnedBarsFromSixteenPixels)
{
    for (const auto& [width, expected] : {std::pair{15, false}, std::pair{16, true}}) {
        SCOPED_TRACE(width);
        auto* memo = place<TsMemo>(QRect(10, 10, width, 100));
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QCoreApplication::processEvents();
        const TsScrollBar* bar = memo->skinnedScrollBar(Qt::Vertical);
        EXPECT_EQ(bar && bar->isVisible(), expected);
        delete memo;
    }
}

// The skinned bar stands over the platform's and follows it both ways; with nothing to scroll it
// is disabled.
TEST_F(TextControlsTest, MemoBarFollowsTheTextBothWays)
{
    auto* memo = place<TsMemo>(QRect(20, 30, 200, 100));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(QStringLiteral("one line"));
    QCoreApplication::processEvents();
    TsScrollBar* bar = memo->skinnedScrollBar(Qt::Vertical);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->geometry(), QRect(20 + 200 - 17 - 2, 30 + 2, 17, 100 - 4));
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->Max(), 1);
    EXPECT_EQ(bar->Position(), -1);

    QStringList lines;
    for (int line = 0; line < 100; ++line)
        lines << QString::number(line);
    memo->setPlainText(lines.join(u'\n'));
    QCoreApplication::processEvents();
    QScrollBar* platform = memo->verticalScrollBar();
    ASSERT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->Max(), platform->maximum());
    EXPECT_EQ(bar->PageSize(), platform->pageStep());

    bar->setPosition(40);
    EXPECT_EQ(platform->value(), 40) << "the bar scrolls the memo";
    platform->setValue(7);
    EXPECT_EQ(bar->Position(), 7) << "the memo moves the bar";

    memo->setEnabled(false);
    EXPECT_FALSE(bar->isEnabled());
    manager->setActive(false);
    EXPECT_FALSE(bar->isVisible());
}

// (153 - 6) div 16 = 9 items fit a list 153 pixels high: the bar comes with the 10th, over the
// platform's bar and one pixel wider, and moving it scrolls the list.
TEST_F(TextControlsTest, ListShowsItsBarFromTheTenthItem)
{
    auto* list = place<TsListBox>(QRect(8, 8, 401, 153));
    for (int item = 1; item <= 10; ++item) {
        auto* entry = new QListWidgetItem(QStringLiteral("Item %1").arg(item), list);
        entry->setSizeHint(QSize(0, 16));
        QCoreApplication::processEvents();
        const TsScrollBar* bar = list->skinnedScrollBar();
        EXPECT_EQ(bar && bar->isVisible(), item >= 10) << item << " items";
    }
    TsScrollBar* bar = list->skinnedScrollBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->geometry(), QRect(8 + 401 - 18 - 2, 8 + 2, 18, 153 - 4));
    bar->setPosition(1);
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 1);
}

// Rows as high as the font makes them count as such: the skinned bar comes exactly when the
// platform's would, not when 16-pixel rows would overflow.
TEST_F(TextControlsTest, ListCountsItsRowsAtTheirRealHeight)
{
    auto* list = place<TsListBox>(QRect(8, 8, 401, 153));
    QFont font = list->font();
    font.setPixelSize(22);
    list->setFont(font);
    EXPECT_EQ(list->ItemHeight(), 16);
    for (int item = 1; item <= 10; ++item) {
        list->addItem(QStringLiteral("Item %1").arg(item));
        QCoreApplication::processEvents();
        const int rowHeight = list->visualItemRect(list->item(0)).height();
        ASSERT_GT(rowHeight, 16);
        EXPECT_EQ(list->ItemHeight(), rowHeight);
        const TsScrollBar* bar = list->skinnedScrollBar();
        EXPECT_EQ(bar && bar->isVisible(), item > (153 - 6) / rowHeight) << item << " items";
    }
}

// A second click keeps the first item chosen only while several may be chosen.
TEST_F(TextControlsTest, ListKeepsEarlierChoicesOnlyWhenMultiSelect)
{
    for (const bool multiSelect : {false, true}) {
        SCOPED_TRACE(multiSelect);
        auto* list = place<TsListBox>(QRect(8, 8, 200, 150));
        list->addItems({QStringLiteral("apple"), QStringLiteral("cherry")});
        list->setMultiSelect(multiSelect);
        for (int row : {0, 1})
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        EXPECT_EQ(list->selectedItems().size(), multiSelect ? 2 : 1);
        EXPECT_EQ(list->MultiSelect(), multiSelect);
        delete list;
    }
}

// Keys typed within 499 ms extend the searched text; at 500 ms the new key is searched alone.
// Backspace takes the last key back, and an empty text goes to the first item.
TEST_F(TextControlsTest, ListSearchesTypedTextUntilAPause)
{
    auto* list = place<TsListBox>(QRect(8, 8, 200, 150));
    list->addItems(
        {QStringLiteral("apple"), QStringLiteral("cherry"), QStringLiteral("Cranberry"), QStringLiteral("raspberry")});
    qint64 now = 1000;
    list->setSearchClock([&now] { return now; });
    for (const auto& [pause, expected] : {std::pair{499, "Cranberry"}, std::pair{500, "raspberry"}}) {
        SCOPED_TRACE(pause);
        now += 1000;
        QTest::keyClick(list, Qt::Key_C);
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral("cherry"));
        now += pause;
        QTest::keyClick(list, Qt::Key_R);
        EXPECT_EQ(list->currentItem()->text(), QLatin1String(expected));
    }
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(list->currentRow(), 0);
    now += 1000;
    QTest::keyClicks(list, QStringLiteral("cr"));
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("cherry"));
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->currentItem()});
}

// Whether some pixel of `rect` in `image` has exactly the colour.
bool shows(const QImage& image, const QRect& rect, const QColor& color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

// A selected item is filled with the platform's highlight; the others lie on the list's face from
// the skin with their text in the section's font colour, the hot one while the list has focus.
TEST_F(TextControlsTest, ListItemsTakeTheirLookFromTheSkin)
{
    SkinTables skin = *skinInForce();
    TsGeneralData& edit = skin.sections[skinInForce()->FindSection(QStringLiteral("EDIT"))];
    edit.fontColor = 0x0000C0;
    edit.hotFontColor = 0x00C000;
    putSkinInForce(skin);
    auto* list = place<TsListBox>(QRect(10, 10, 200, 100));
    QFont font = list->font();
    font.setPixelSize(14);
    font.setBold(true);
    list->setFont(font);
    list->addItems({QStringLiteral("HHHH"), QStringLiteral("HHHH")});
    list->setCurrentRow(1);
    const QPoint origin = list->viewport()->pos();
    const QRect plain = list->visualItemRect(list->item(0)).translated(origin);
    const QRect selected = list->visualItemRect(list->item(1)).translated(origin);
    const QColor highlight = list->palette().color(QPalette::Highlight);

    QImage shown = picture(list);
    EXPECT_EQ(shown.pixelColor(selected.topLeft() + QPoint(1, 1)), highlight);
    EXPECT_EQ(shown.pixelColor(plain.topRight() - QPoint(1, -1)),
              list->SkinData.cache().pixelColor(plain.topRight() - QPoint(1, -1)));
    EXPECT_TRUE(shows(shown, plain, toQColor(0x0000C0)));
    EXPECT_FALSE(shows(shown, plain, toQColor(0x00C000)));

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &focusIn);
    shown = picture(list);
    EXPECT_TRUE(shows(shown, plain, toQColor(0x00C000)));
    EXPECT_FALSE(shows(shown, plain, toQColor(0x0000C0)));

    list->setEnabled(false);
    shown = picture(list);
    EXPECT_FALSE(shows(shown, plain, toQColor(0x00C000)));
    EXPECT_FALSE(shows(shown, plain, toQColor(0x0000C0)));
}

// The current item shows even while the keyboard is elsewhere and it is not chosen; in the list
// the focus frame shows it instead.
TEST_F(TextControlsTest, UnfocusedListHighlightsItsCurrentItem)
{
    auto* list = place<TsListBox>(QRect(10, 10, 200, 100));
    list->setMultiSelect(true);
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
    list->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(list->selectedItems().isEmpty());
    const QPoint inside = list->visualItemRect(list->item(1)).translated(list->viewport()->pos()).center();
    const QColor highlight = list->palette().color(QPalette::Highlight);
    EXPECT_EQ(picture(list).pixelColor(inside + QPoint(20, 0)), highlight);
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    EXPECT_NE(picture(list).pixelColor(inside + QPoint(20, 0)), highlight);
}

// The face is painted into the cache once; repaints only copy it, until the state changes.
TEST_F(TextControlsTest, RepaintsCopyTheCacheUntilTheStateChanges)
{
    auto* memo = place<TsMemo>(QRect(10, 10, 200, 100));
    const QImage first = picture(memo);
    const qint64 painted = memo->SkinData.cache().cacheKey();
    EXPECT_EQ(picture(memo), first);
    EXPECT_EQ(memo->SkinData.cache().cacheKey(), painted);
    memo->setEnabled(false);
    picture(memo);
    EXPECT_NE(memo->SkinData.cache().cacheKey(), painted);
}

// A memo's text area takes the section's colours, the hot ones while it has focus, and goes back
// to the colours its window gave it when the skin goes.
TEST_F(TextControlsTest, MemoTakesTheSectionsColoursAndGivesTheWindowsBack)
{
    SkinTables skin = *skinInForce();
    TsGeneralData& edit = skin.sections[skinInForce()->FindSection(QStringLiteral("EDIT"))];
    edit.color = 0x102030;
    edit.hotColor = 0x405060;
    edit.fontColor = 0x708090;
    edit.hotFontColor = 0xA0B0C0;
    putSkinInForce(skin);
    auto* memo = place<TsMemo>(QRect(10, 10, 200, 100));
    QPalette own = memo->palette();
    own.setColor(QPalette::Base, Qt::red);
    memo->setPalette(own);

    EXPECT_EQ(memo->palette().color(QPalette::Base), toQColor(0x102030));
    EXPECT_EQ(memo->palette().color(QPalette::Text), toQColor(0x708090));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(memo, &focusIn);
    EXPECT_EQ(memo->palette().color(QPalette::Base), toQColor(0x405060));
    EXPECT_EQ(memo->palette().color(QPalette::Text), toQColor(0xA0B0C0));

    manager->setActive(false);
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::red));
}

struct BoundLabelCase {
    const char* name;
    TsBoundLabel::Layout layout;
    int maxWidth;
    // The label's place from the control's (100, 100, 120, 40) and the label's own size.
    std::function<QRect(QSize)> expected;
};

class BoundLabelPlace : public TextControlsTest, public ::testing::WithParamInterface<BoundLabelCase> {};

// The caption stands where its layout puts it, named after the control while it has no text of its
// own, and moves with the control.
TEST_P(BoundLabelPlace, CaptionStandsByTheControl)
{
    const BoundLabelCase& test = GetParam();
    auto* edit = place<TsEdit>(QRect(100, 100, 120, 40));
    edit->setObjectName(QStringLiteral("NameEdit"));
    edit->BoundLabel.setLayout(test.layout);
    edit->BoundLabel.setMaxWidth(test.maxWidth);
    edit->BoundLabel.setActive(true);
    const TsEditLabel* label = edit->BoundLabel.label();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->objectName(), QStringLiteral("NameEditLabel"));
    EXPECT_EQ(label->text(), QStringLiteral("NameEdit"));
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(label->geometry(), test.expected(label->size()));
    edit->move(130, 150);
    EXPECT_EQ(label->geometry(), test.expected(label->size()).translated(30, 50));
}

INSTANTIATE_TEST_SUITE_P(
    TextControls, BoundLabelPlace,
    ::testing::Values(
        BoundLabelCase{
            "left", TsBoundLabel::sclLeft, 0,
            [](QSize size) { return QRect(QPoint(100 - size.width() - 4, 100 + (40 - size.height()) / 2), size); }},
        BoundLabelCase{"top_left", TsBoundLabel::sclTopLeft, 0,
                       [](QSize size) { return QRect(QPoint(100, 100 - size.height()), size); }},
        BoundLabelCase{
            "top_center", TsBoundLabel::sclTopCenter, 0,
            [](QSize size) { return QRect(QPoint(100 + (120 - size.width()) / 2, 100 - size.height()), size); }},
        BoundLabelCase{"top_right", TsBoundLabel::sclTopRight, 0,
                       [](QSize size) { return QRect(QPoint(220 - size.width(), 100 - size.height()), size); }},
        BoundLabelCase{"left_with_max_width", TsBoundLabel::sclLeft, 30,
                       [](QSize size) {
                           EXPECT_EQ(size.width(), 30);
                           EXPECT_GE(size.height(), 40);
                           return QRect(QPoint(100 - 30 - 4, 100 + (40 - size.height()) / 2), size);
                       }}),
    CaseName());

// The caption follows the control's visibility and enabled state, and goes when switched off.
TEST_F(TextControlsTest, BoundLabelFollowsItsControlAndGoesWhenSwitchedOff)
{
    auto* memo = place<TsMemo>(QRect(100, 100, 120, 40));
    memo->BoundLabel.setCaption(QStringLiteral("&Текст"));
    memo->BoundLabel.setActive(true);
    QPointer<TsEditLabel> label = memo->BoundLabel.label();
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->isVisible());
    memo->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    memo->hide();
    EXPECT_FALSE(label->isVisible());
    memo->BoundLabel.setActive(false);
    EXPECT_TRUE(label.isNull());
}

// A tree's bars stand inside its 3-pixel frame.
TEST_F(TextControlsTest, TreeBarsStandInsideItsFrame)
{
    auto* tree = place<TsTreeView>(QRect(0, 0, 120, 100));
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int item = 0; item < 30; ++item)
        new QTreeWidgetItem(tree, {QString::number(item)});
    ASSERT_TRUE(QTest::qWaitFor([tree] {
        const TsScrollBar* bar = tree->skinnedScrollBar(Qt::Vertical);
        return bar && bar->isVisible();
    }));
    TsScrollBar* bar = tree->skinnedScrollBar(Qt::Vertical);
    EXPECT_EQ(bar->geometry(), QRect(120 - 17 - 3, 3, 17, 100 - 6));
    EXPECT_FALSE(tree->skinnedScrollBar(Qt::Horizontal));
}

} // namespace
