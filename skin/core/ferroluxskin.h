#pragma once

// "Ferrolux (internal)", the skin the program carries inside itself: steel-grey forms with
// brushed-metal texture, light gradient buttons and tabs.

#include "skin/core/tsstoredskin.h"

inline const QString ferroluxSkinName = QStringLiteral("Ferrolux (internal)");

// Width and height of the skin's master bitmap.
constexpr int ferroluxMasterWidth = 198;
constexpr int ferroluxMasterHeight = 331;

// The skin's sections in stored order.
TsSkinGenerals ferroluxSections();
// The skin's pictures in stored order; the "MASTERBITMAP" item gets `master` as its own image.
TsSkinImages ferroluxImages(const QImage& master);
// The whole skin with its master bitmap from the program's resources.
TsStoredSkin ferroluxSkin();
