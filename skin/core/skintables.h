#pragma once

// The skin as one value, and the one place where the skin in force lives.
//
// A SkinTables is complete when it exists: the loader (skinloader.h) builds a whole one or none.
// The current skin is read by every painter and control through currentSkin(); it is replaced
// whole, by the skin manager when a skin is applied or removed (and by test fixtures that install
// a hand-made skin), through setCurrentSkin(). Nothing edits it in place.
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

// The skin in force; empty when there is none.
const SkinTables& currentSkin();
// Puts `skin` in force. Only the skin manager does this in the program; tests use it to install
// hand-made skins.
void setCurrentSkin(SkinTables skin);

// Process-wide state, alive from program start to program end.
TsSkinData& skinData();

// The lookups above on the current skin, as controls and painters use them. FindPattern answers
// -1 unless the skin is ready.
int FindSection(const QString& name);
int FindMask(int sectionIndex, const QString& sectionName, const QString& propertyName);
int FindPattern(int sectionIndex, const QString& sectionName, const QString& propertyName);
bool isValidSectionIndex(int index);
bool isValidMaskIndex(int index);
bool isValidPatternIndex(int index);
QSize stateImageSize(int maskIndex);
