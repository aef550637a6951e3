#pragma once

// The skin as one value.
//
// A SkinTables is complete when it exists: the loader (skinloader.h) builds a whole one or none,
// and it is shared as a SharedSkin that nobody edits in place. The skin in force is one of them
// (skininforce.h); each control's skin data holds the one it looked its indexes up in, so an index
// is always one of the tables it is read from.
//
// Name lookups are linear and ignore case, so controls do them when the skin changes or a section
// is assigned and keep the indexes; painting then reads the tables by index only.

#include "skin/core/skintypes.h"

#include <QSize>

#include <memory>

class MemoryIniFile;

struct SkinTables {
    TsGeneralDataArray sections;
    TsMaskArray masks;
    TsPatternArray patterns;
    // Format_BGR888, key colour clSkinKey; null when the skin has none.
    QImage masterBitmap;
    TsCommonIndexes commonIndexes;
    // From an external skin's GLOBALINFO; 0 and empty for a stored skin.
    double version = 0;
    QString author;
    QString description;
    // An external skin's Options.dat; null for a stored skin.
    std::shared_ptr<const MemoryIniFile> skinFile;
    // Where an external skin's file names start, with a trailing separator; empty for stored skins.
    QString skinFolder;

    // First section whose name equals `name` ignoring case; -1 when none or the name is empty.
    int FindSection(const QString& name) const;
    // Mask (or pattern) of `propertyName` (upper case) for section `sectionIndex` named
    // `sectionName`, falling back along the ParentClass chain; -1 when none. A chain that returns
    // to a section already visited ends there.
    int FindMask(int sectionIndex, const QString& sectionName, const QString& propertyName) const;
    int FindPattern(int sectionIndex, const QString& sectionName, const QString& propertyName) const;

    bool isValidSectionIndex(int index) const { return index >= 0 && index < sections.size(); }
    bool isValidMaskIndex(int index) const { return index >= 0 && index < masks.size(); }
    bool isValidPatternIndex(int index) const { return index >= 0 && index < patterns.size(); }

    // Size of one state image of mask `maskIndex`; 0 x 0 for an invalid index.
    QSize stateImageSize(int maskIndex) const;

    // Looks every entry of the common index table up again (all -1 when the tables are empty).
    void UpdateCommonIndexes();
};

// The skin as controls hold it and painters are handed it; never null where it is held.
using SharedSkin = std::shared_ptr<const SkinTables>;
