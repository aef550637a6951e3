#include "skin/controls/tslistbox.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "skin/controls/tsupdown.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "tests/skin/core/skinprobe.h"
#include "tests/support/casename.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A shown window under the internal skin, and what a screen reader meets walking its accessible
// tree: every interface it would not skip as invisible.
class ScreenReaderTest : public SkinFixture {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->setInternalSkins({ferroluxSkin()});
        manager->setSkinName(ferroluxSkinName);
        ASSERT_TRUE(skinData().ready);
        window = std::make_unique<Form>(QStringLiteral("ReaderForm"), QStringLiteral("Окно"), QRect(0, 0, 500, 300));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        manager.reset();
        SkinFixture::TearDown();
    }

    // How many times each object is met, invisible interfaces and their insides left out.
    QHash<QObject*, int> met() const
    {
        QHash<QObject*, int> counts;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node || node->state().invisible)
                return;
            ++counts[node->object()];
            for (int index = 0; index < node->childCount(); ++index)
                walk(node->child(index));
        };
        walk(QAccessible::queryAccessibleInterface(window.get()));
        return counts;
    }

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<Form> window;
};

struct BarOwnerCase {
    const char* name;
    std::function<QAbstractScrollArea*(QWidget* parent)> make;
    std::function<TsScrollBar*(QAbstractScrollArea*)> skinnedBar;
};

class SkinnedBarsForReaders : public ScreenReaderTest, public ::testing::WithParamInterface<BarOwnerCase> {};

// The skinned bar laid over the control's own is never met; the control's own bar is met as Qt
// offers it, and keeps its place in the tree whether or not a skin is in force.
TEST_P(SkinnedBarsForReaders, OnlyTheControlsOwnBarIsMet)
{
    const BarOwnerCase& c = GetParam();
    QAbstractScrollArea* control = c.make(window->client());
    control->setGeometry(10, 10, 200, 120);
    control->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    control->show();
    const QHash<QObject*, int> unskinned = [&] {
        manager->setActive(false);
        QCoreApplication::processEvents();
        return met();
    }();
    manager->setActive(true);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const TsScrollBar* bar = c.skinnedBar(control);
        return bar && bar->isVisible();
    }));
    TsScrollBar* bar = c.skinnedBar(control);
    const QHash<QObject*, int> skinned = met();
    EXPECT_FALSE(skinned.contains(bar));
    QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(bar);
    ASSERT_TRUE(barInterface);
    EXPECT_TRUE(barInterface->state().invisible);
    QScrollBar* own = control->verticalScrollBar();
    EXPECT_EQ(skinned.value(own), unskinned.value(own));
    EXPECT_LE(skinned.value(own), 1);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(own)->state().invisible);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinnedBarsForReaders,
    ::testing::Values(BarOwnerCase{"memo", [](QWidget* parent) -> QAbstractScrollArea* { return new TsMemo(parent); },
                                   [](QAbstractScrollArea* control) {
                                       return static_cast<TsMemo*>(control)->skinnedScrollBar(Qt::Vertical);
                                   }},
                      BarOwnerCase{"list",
                                   [](QWidget* parent) -> QAbstractScrollArea* {
                                       auto* list = new TsListBox(parent);
                                       for (int item = 0; item < 30; ++item)
                                           list->addItem(QString::number(item));
                                       return list;
                                   },
                                   [](QAbstractScrollArea* control) {
                                       return static_cast<TsListBox*>(control)->skinnedScrollBar();
                                   }},
                      BarOwnerCase{"tree",
                                   [](QWidget* parent) -> QAbstractScrollArea* {
                                       auto* tree = new TsTreeView(parent);
                                       for (int item = 0; item < 30; ++item)
                                           new QTreeWidgetItem(tree, {QString::number(item)});
                                       return tree;
                                   },
                                   [](QAbstractScrollArea* control) {
                                       return static_cast<TsTreeView*>(control)->skinnedScrollBar(Qt::Vertical);
                                   }}),
    CaseName());

// Tabs that do not fit scroll with the skinned up-down, but a screen reader meets the tab bar's own
// arrows only.
TEST_F(ScreenReaderTest, TabScrollerIsMetAsTheTabBarsOwnArrows)
{
    auto* pages = new TsPageControl(window->client());
    pages->setGeometry(10, 10, 400, 250);
    for (int page = 0; page < 8; ++page)
        pages->addTab(new TsTabSheet(pages), QStringLiteral("Результаты тестирования %1").arg(page));
    pages->show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(pages->upDown());
    const QHash<QObject*, int> counts = met();
    EXPECT_FALSE(counts.contains(pages->upDown()));
    const QList<QToolButton*> arrows = pages->tabBar()->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    for (QToolButton* arrow : arrows)
        EXPECT_EQ(counts.value(arrow), 1) << arrow->arrowType();
}

} // namespace
