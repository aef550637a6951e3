#pragma once

// Builds the run-time tables of the active skin, either from the external skin whose Options.dat
// is the skin file of the global skin state, or from the stored skin named by the source.

#include "skin/core/tsstoredskin.h"

#include <QStringList>

struct SkinSource {
    QString skinName;
    TsStoredSkins internalSkins;
    // Extra sections in ini syntax, blanks already removed.
    QStringList commonSections;
    // When set, every file that a skin names but that cannot be used is described here.
    QStringList* problems = nullptr;
};

// A rectangle value whose numbers cannot be read throws AppError; the tables are then partly
// built, so callers keep their own copy to go back to.
void LoadSkinMasks(const SkinSource& source);
void LoadSkinPatterns(const SkinSource& source);
void LoadSkinSections(const SkinSource& source);

// The text of the message shown for a skin written for the old skin format.
QString oldSkinMessage();

// Patterns up to this many pixels are small enough to be kept as ready bitmaps.
constexpr qint64 largestMaskPicture = 89999;
