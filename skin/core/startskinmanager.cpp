#include "skin/core/startskinmanager.h"

#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"

void loadStartSkinManager(TsSkinManager* manager)
{
    const TsStoredSkin ferrolux = ferroluxSkin();
    manager->beginLoading();
    manager->setInternalSkins({ferrolux});
    manager->setSkinDirectory(TsSkinManager::defaultSkinDirectory());
    manager->setSkinName(ferroluxSkinName);
    manager->Loaded();
}
