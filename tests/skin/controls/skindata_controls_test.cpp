#include "skin/controls/tsbitbtn.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsgroupbox.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/controls/tsspeedbutton.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "tests/skin/core/skinprobe.h"
#include "tests/support/printers.h"

#include <gtest/gtest.h>

namespace {

// Each test starts without a skin in force.
class SkinnedControls : public SkinFixture {};

// Every skinned control owns its skin data, finds its section when a skin is applied, and answers
// the skin messages, on a form that was never shown.
TEST_F(SkinnedControls, OwnTheirSkinDataAndAnswerSkinMessages)
{
    Form form(QStringLiteral("FormControls"), QStringLiteral("Controls"), QRect(0, 0, 300, 200));
    QWidget* c = form.client();
    const struct {
        QWidget* control;
        const char* section;
    } controls[] = {
        {new TsButton(c), "BUTTON"},
        {new TsBitBtn(c), "BUTTON"},
        {new TsSpeedButton(c), "SPEEDBUTTON"},
        {new TsPanel(c), "PANEL"},
        {new TsEdit(c), "EDIT"},
        {new TsMemo(c), "EDIT"},
        {new TsListBox(c), "EDIT"},
        {new TsTreeView(c), "EDIT"},
        {new TsRadioButton(c), "RADIOBUTTON"},
        {new TsGroupBox(c), "GROUPBOX"},
        {new TsRadioGroup(c), "GROUPBOX"},
        {new TsPageControl(c), "PAGECONTROL"},
        {new TsTabSheet(c), "TABSHEET"},
        {new TsScrollBar(c), "TsScrollBar"},
    };
    TsSkinManager* manager = newManager();
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);
    for (const auto& entry : controls) {
        const QString section = QLatin1String(entry.section);
        EXPECT_EQ(sendSkinMessage(entry.control, SKM_GETSKININDEX), skinInForce()->FindSection(section) + 1)
            << entry.section;
        EXPECT_EQ(sendSkinMessage(entry.control, SKM_ISUPDATING), 1) << entry.section; // cache not painted yet
    }
    // Tab sheets and scroll bars have no section in the internal skin and stay unskinned.
    EXPECT_EQ(sendSkinMessage(controls[12].control, SKM_GETSKININDEX), 0);
    EXPECT_EQ(sendSkinMessage(controls[13].control, SKM_GETSKININDEX), 0);

    manager->setActive(false);
    for (const auto& entry : controls)
        EXPECT_EQ(sendSkinMessage(entry.control, SKM_GETSKININDEX), 0) << entry.section;
}

template <class Control>
QString sectionOfNew()
{
    const Control control;
    return control.SkinData.SkinSection();
}

// A control given no section takes the one a skin provides for its kind of control, and a control
// of a kind without one is known by its class name.
TEST_F(SkinnedControls, TakeTheSectionOfTheirKind)
{
    const struct {
        QString (*section)();
        const char* expected;
    } cases[] = {
        {sectionOfNew<TsButton>, "BUTTON"},
        {sectionOfNew<TsBitBtn>, "BUTTON"},
        {sectionOfNew<TsSpeedButton>, "SPEEDBUTTON"},
        {sectionOfNew<TsPanel>, "PANEL"},
        {sectionOfNew<TsEdit>, "EDIT"},
        {sectionOfNew<TsMemo>, "EDIT"},
        {sectionOfNew<TsListBox>, "EDIT"},
        {sectionOfNew<TsTreeView>, "EDIT"},
        {sectionOfNew<TsRadioButton>, "RADIOBUTTON"},
        {sectionOfNew<TsGroupBox>, "GROUPBOX"},
        {sectionOfNew<TsRadioGroup>, "GROUPBOX"},
        {sectionOfNew<TsPageControl>, "PAGECONTROL"},
        {sectionOfNew<TsTabSheet>, "TABSHEET"},
        {sectionOfNew<TsScrollBar>, "TsScrollBar"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.section(), QString::fromLatin1(c.expected));
}

// A control on a page takes its background from the page control's cache, at the page's place.
TEST_F(SkinnedControls, ControlsOnAPageReadThePageControlsCache)
{
    TsPageControl pages;
    pages.resize(200, 120);
    auto* sheet = new TsTabSheet;
    pages.addTab(sheet, QStringLiteral("Page"));
    pages.show();
    pages.SkinData.prepareCacheBitmap();
    auto* button = new TsButton(sheet);

    const TsCacheInfo cache = button->SkinData.parentCache();
    EXPECT_TRUE(cache.ready);
    EXPECT_EQ(cache.bitmap, &pages.SkinData.cache());
    const QPoint sheetPlace = sheet->mapTo(&pages, QPoint(0, 0));
    EXPECT_EQ(QPoint(cache.x, cache.y), sheetPlace);
    EXPECT_NE(sheetPlace, QPoint(0, 0));
}

} // namespace
