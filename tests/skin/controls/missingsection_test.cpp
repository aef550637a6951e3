#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsgroupbox.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsprogressbar.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsspeedbutton.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"
#include "skin/core/tsstoredskin.h"

#include "platform/form.h"
#include "tests/skin/core/skinprobe.h"
#include "tests/support/casename.h"

#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct ControlCase {
    const char* name;
    const char* section;
    std::function<QWidget*(QWidget* parent)> make;
};

// One control of each kind the windows use, on a window without a frame provider, under a skin
// that has every section but the control's.
class MissingSection : public SkinFixture, public ::testing::WithParamInterface<ControlCase> {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        lacking = ferroluxSkin();
        lacking.Name = QStringLiteral("Без раздела");
        lacking.GeneralData.removeIf([](const TsSkinGeneral& section) {
            return section.SectionName.compare(QLatin1String(GetParam().section), Qt::CaseInsensitive) == 0;
        });
    }

    void TearDown() override
    {
        delete control;
        manager.reset();
        SkinFixture::TearDown();
    }

    void startManager(const QString& skin)
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->setInternalSkins({ferroluxSkin(), lacking});
        manager->setSkinName(skin);
    }

    void makeControl()
    {
        control = GetParam().make(window.client());
        control->setGeometry(10, 10, 200, 120);
        // The keyboard stays away, so that the pictures compared differ by the skin alone.
        control->setFocusPolicy(Qt::NoFocus);
        control->show();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage picture() const
    {
        QCoreApplication::processEvents();
        return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    TsStoredSkin lacking;
    std::unique_ptr<TsSkinManager> manager;
    Form window{QStringLiteral("SectionForm"), QStringLiteral("Окно"), QRect(50, 50, 320, 220)};
    QWidget* control = nullptr;
};

// Without its section the control looks as it does with no skin at all: in force when it is made,
// or chosen while it is shown; a skin with the section skins it again.
TEST_P(MissingSection, ControlLooksAsWithoutASkin)
{
    startManager(ferroluxSkinName);
    manager->setActive(false);
    makeControl();
    const QImage plain = picture();
    manager->setActive(true);
    ASSERT_NE(picture(), plain) << "the full skin paints the control";
    manager->setSkinName(lacking.Name);
    EXPECT_EQ(picture(), plain) << "chosen while shown";
    manager->setSkinName(ferroluxSkinName);
    EXPECT_NE(picture(), plain) << "and back";

    delete control;
    control = nullptr;
    manager.reset();
    startManager(lacking.Name);
    makeControl();
    EXPECT_EQ(picture(), plain) << "in force when the control was made";
}

template <class Control>
QWidget* with(QWidget* parent, const std::function<void(Control*)>& setUp = {})
{
    auto* control = new Control(parent);
    if (setUp)
        setUp(control);
    return control;
}

QWidget* halfDone(QWidget* parent)
{
    return with<TsProgressBar>(parent, [](TsProgressBar* bar) { bar->setValue(50); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, MissingSection,
    ::testing::Values(
        ControlCase{
            "button", "BUTTON",
            [](QWidget* p) { return with<TsButton>(p, [](TsButton* b) { b->setText(QStringLiteral("Ок")); }); }},
        ControlCase{"speed_button", "SPEEDBUTTON",
                    [](QWidget* p) {
                        return with<TsSpeedButton>(p, [](TsSpeedButton* b) { b->setText(QStringLiteral("Ок")); });
                    }},
        ControlCase{"edit", "EDIT",
                    [](QWidget* p) { return with<TsEdit>(p, [](TsEdit* e) { e->setText(QStringLiteral("текст")); }); }},
        ControlCase{"memo", "EDIT",
                    [](QWidget* p) {
                        return with<TsMemo>(p, [](TsMemo* m) { m->setPlainText(QStringLiteral("строка\nещё")); });
                    }},
        ControlCase{"list", "EDIT",
                    [](QWidget* p) {
                        return with<TsListBox>(p, [](TsListBox* l) {
                            l->addItems({QStringLiteral("а"), QStringLiteral("б")});
                        });
                    }},
        ControlCase{"tree", "EDIT",
                    [](QWidget* p) {
                        return with<TsTreeView>(
                            p, [](TsTreeView* t) { new QTreeWidgetItem(t, {QStringLiteral("тема")}); });
                    }},
        ControlCase{
            "panel", "PANEL",
            [](QWidget* p) { return with<TsPanel>(p, [](TsPanel* c) { c->setCaption(QStringLiteral("Панель")); }); }},
        ControlCase{"progress_bar", "GAUGE", halfDone}, ControlCase{"progress_bar_part_done", "PROGRESSH", halfDone},
        ControlCase{"group_box", "GROUPBOX",
                    [](QWidget* p) {
                        return with<TsGroupBox>(p, [](TsGroupBox* g) { g->setTitle(QStringLiteral("Ответы")); });
                    }},
        ControlCase{"radio_button", "RADIOBUTTON",
                    [](QWidget* p) {
                        return with<TsRadioButton>(p, [](TsRadioButton* r) {
                            // At the size the test gives it, with a skin or without.
                            r->setAutoSize(false);
                            r->setText(QStringLiteral("а)"));
                        });
                    }},
        ControlCase{"page_control", "PAGECONTROL",
                    [](QWidget* p) {
                        return with<TsPageControl>(p, [](TsPageControl* c) {
                            c->addTab(new TsTabSheet(c), QStringLiteral("Лекции"));
                            c->addTab(new TsTabSheet(c), QStringLiteral("Тесты"));
                        });
                    }}),
    CaseName());

} // namespace
