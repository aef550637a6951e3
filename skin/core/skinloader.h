#pragma once

// Builds a whole skin (SkinTables) from a skin source: an external skin folder with its
// Options.dat, or one of the skins stored in the program. Loading never touches the skin in force;
// the skin manager puts the result in force.

#include "skin/core/skintables.h"
#include "skin/core/tsstoredskin.h"

#include <QStringList>

#include <variant>

struct SkinSource {
    // The external skin's folder, with a trailing separator; it holds Options.dat. Empty to take
    // the stored skin named `skinName` instead.
    QString skinFolder;
    QString skinName;
    TsStoredSkins internalSkins;
    // Extra sections in ini syntax, blanks already removed.
    QStringList commonSections;
};

struct LoadedSkin {
    SkinTables tables;
    // The skin was written for the old skin format: it has no sections. The user is to be told
    // with oldSkinMessage().
    bool oldFormat = false;
    // Every file that the skin names but that cannot be used.
    QStringList problems;
};

// A rectangle value whose numbers cannot be read: the skin is refused.
struct SkinLoadError {
    QString section;
    QString key;
    QString value; // the word that is not a number

    QString message() const;
};

using SkinLoadResult = std::variant<LoadedSkin, SkinLoadError>;

// An Options.dat that cannot be opened throws AppError. A stored skin that is not there gives an
// empty skin.
SkinLoadResult loadSkinTables(const SkinSource& source);

// The text of the message shown for a skin written for the old skin format.
QString oldSkinMessage();

// Patterns up to this many pixels are small enough to be kept as ready bitmaps.
constexpr qint64 largestMaskPicture = 89999;
