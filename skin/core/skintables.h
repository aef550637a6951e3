#pragma once

// The active skin's tables and the lookups every control uses. Name lookups are linear and ignore
// case, so controls do them when the skin changes or a section is assigned and keep the indexes;
// painting then reads the tables by index only.

#include "skin/core/skintypes.h"

#include <QSize>

// Process-wide state, alive from program start to program end.
TsSkinData& skinData();
TsGeneralDataArray& skinSections();
TsMaskArray& skinMasks();
TsPatternArray& skinPatterns();
// The active skin's master bitmap (Format_BGR888, key colour clSkinKey); null when there is none.
QImage& skinMasterBitmap();
TsCommonIndexes& skinCommonIndexes();

// True only while a new skin is announced and the common indexes are rebuilt.
bool skinChanging();
void setSkinChanging(bool changing);

// First section whose name equals `name` ignoring case; -1 when none or the name is empty.
int FindSection(const QString& name);
// Mask (or pattern) of `propertyName` (upper case) for section `sectionIndex` named `sectionName`,
// falling back along the ParentClass chain; -1 when none. FindPattern answers -1 unless the skin
// is ready. A chain that returns to a section already visited ends there.
int FindMask(int sectionIndex, const QString& sectionName, const QString& propertyName);
int FindPattern(int sectionIndex, const QString& sectionName, const QString& propertyName);

bool isValidSectionIndex(int index);
bool isValidMaskIndex(int index);
bool isValidPatternIndex(int index);

// Size of one state image of mask `maskIndex`; 0 x 0 for an invalid index.
QSize stateImageSize(int maskIndex);

// Empties every table, the master bitmap and the common indexes and clears the ready flag; the
// registered main manager stays.
void clearSkinTables();

// Looks every entry of the common index table up again (all -1 when the tables are empty).
void UpdateCommonIndexes();
