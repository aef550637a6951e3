#include "skin/core/skininforce.h"

namespace {

TsSkinData gSkinData;

SharedSkin& inForce()
{
    static SharedSkin skin = noSkin();
    return skin;
}

} // namespace

const SharedSkin& noSkin()
{
    static const SharedSkin empty = std::make_shared<const SkinTables>();
    return empty;
}

const SharedSkin& skinInForce()
{
    return inForce();
}

void putSkinInForce(SharedSkin skin)
{
    inForce() = skin ? std::move(skin) : noSkin();
}

void putSkinInForce(SkinTables skin)
{
    putSkinInForce(std::make_shared<const SkinTables>(std::move(skin)));
}

TsSkinData& skinData()
{
    return gSkinData;
}
