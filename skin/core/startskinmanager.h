#pragma once

// The start window's skin manager as the start window stores it: the internal skin "Ferrolux
// (internal)", the program's skin folder, everything else at its default.

class TsSkinManager;

// Sets the stored properties and applies the skin. Throws AppError when the skin cannot be
// loaded (a bad external skin of the same name); the manager then has no skin.
void loadStartSkinManager(TsSkinManager* manager);
