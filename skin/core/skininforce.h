#pragma once

// The skin in force, and the skin state of the whole program.
//
// The skin manager puts a skin in force here, replacing it whole when a skin is applied or
// removed; test fixtures install hand-made skins the same way. A control's skin data takes the
// skin from here when it looks its indexes up (when it is made, its section changes or a new skin
// is announced) and holds it; every paint of that control reads the skin it holds, so no painter
// reads this.

#include "skin/core/skintables.h"

// Never null: the empty skin when none is in force.
const SharedSkin& skinInForce();
// Puts `skin` in force; null puts the empty skin in force.
void putSkinInForce(SharedSkin skin);
void putSkinInForce(SkinTables skin);
// The empty skin, as a control holds it while it has no skin.
const SharedSkin& noSkin();

// The main manager and whether the skin in force is ready: alive from program start to end.
TsSkinData& skinData();
