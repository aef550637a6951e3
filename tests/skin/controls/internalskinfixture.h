#pragma once

// The internal skin in force through a manager of the test's own. A test that makes windows
// destroys them in its TearDown before this one's, while the manager still stands.

#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"
#include "tests/skin/core/skinprobe.h"

class InternalSkinFixture : public SkinFixture {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        manager = newManager();
        manager->setInternalSkins({ferroluxSkin()});
        manager->setSkinName(ferroluxSkinName);
        ASSERT_TRUE(skinData().ready);
    }

    TsSkinManager* manager = nullptr;
};
