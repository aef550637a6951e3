#include "skin/controls/tsgroupbutton.h"

#include "platform/form.h"
#include "tests/skin/controls/ferroluxparent.h"

#include <memory>

namespace {

using GroupButtonTest = FerroluxParent;

// While skinned an item paints all of its place, so the group leaves that place to it; without
// the skin the platform paints it over the group, which must then paint beneath it again.
TEST_F(GroupButtonTest, CoversItsPlaceOnlyWhileSkinned)
{
    const auto form =
        std::make_unique<Form>(QStringLiteral("GroupButtonForm"), QStringLiteral("Окно"), QRect(100, 100, 300, 200));
    auto* button = new TsGroupButton(form->client());
    EXPECT_TRUE(button->isHidden()) << "hidden until the group places it";
    EXPECT_TRUE(button->testAttribute(Qt::WA_OpaquePaintEvent));
    managers.front()->setActive(false);
    EXPECT_FALSE(button->testAttribute(Qt::WA_OpaquePaintEvent));
    managers.front()->setActive(true);
    EXPECT_TRUE(button->testAttribute(Qt::WA_OpaquePaintEvent));
}

} // namespace
