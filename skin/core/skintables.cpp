#include "skin/core/skintables.h"

#include "skin/core/memoryinifile.h"

#include <limits>

namespace {

TsSkinData gSkinData;
TsGeneralDataArray gSections;
TsMaskArray gMasks;
TsPatternArray gPatterns;
QImage gMasterBitmap;
TsCommonIndexes gCommonIndexes;
bool gSkinChanging = false;

template <typename Table>
int findInTable(const Table& table, int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    if (!isValidSectionIndex(sectionIndex) || sectionName.isEmpty())
        return -1;
    QString section = sectionName.toUpper();
    // Each step moves to another section; more steps than sections means the chain has a cycle.
    for (qsizetype step = 0; step <= gSections.size(); ++step) {
        for (qsizetype k = 0; k < table.size(); ++k) {
            if (table[k].propertyName == propertyName && table[k].sectionName == section)
                return int(k);
        }
        const QString parent = gSections[sectionIndex].parentClass.toUpper();
        if (parent.isEmpty() || parent == section)
            return -1;
        const int parentIndex = FindSection(parent);
        if (parentIndex < 0)
            return -1;
        sectionIndex = parentIndex;
        section = parent;
    }
    return -1;
}

int16_t narrow(int index)
{
    return index >= 0 && index <= std::numeric_limits<int16_t>::max() ? int16_t(index) : int16_t(-1);
}

int16_t maskOf(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    return narrow(FindMask(sectionIndex, sectionName, propertyName));
}

void lookUpScrollPart(TsScrollPartIndexes& part, const QString& name, bool withGlyph)
{
    part = {};
    part.section = narrow(FindSection(name));
    part.bordersMask = maskOf(part.section, name, QStringLiteral("BORDERSMASK"));
    if (withGlyph && part.section >= 0)
        part.glyphMask = maskOf(part.section, name, QStringLiteral("GLYPHMASK"));
    part.pattern = maskOf(part.section, name, QStringLiteral("PATTERN"));
    part.hotPattern = maskOf(part.section, name, QStringLiteral("HOTPATTERN"));
}

void lookUpTab(TsTabIndexes& tab, const QString& name)
{
    tab.section = narrow(FindSection(name));
    tab.bordersMask = maskOf(tab.section, name, QStringLiteral("BORDERSMASK"));
}

} // namespace

TsSkinData& skinData() { return gSkinData; }
TsGeneralDataArray& skinSections() { return gSections; }
TsMaskArray& skinMasks() { return gMasks; }
TsPatternArray& skinPatterns() { return gPatterns; }
QImage& skinMasterBitmap() { return gMasterBitmap; }
TsCommonIndexes& skinCommonIndexes() { return gCommonIndexes; }

bool skinChanging() { return gSkinChanging; }
void setSkinChanging(bool changing) { gSkinChanging = changing; }

int FindSection(const QString& name)
{
    // A record without a name closes some skins; no name finds it.
    if (name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < gSections.size(); ++i) {
        if (gSections[i].sectionName.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int FindMask(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    return findInTable(gMasks, sectionIndex, sectionName, propertyName);
}

int FindPattern(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    if (!gSkinData.ready)
        return -1;
    return findInTable(gPatterns, sectionIndex, sectionName, propertyName);
}

bool isValidSectionIndex(int index) { return index >= 0 && index < gSections.size(); }
bool isValidMaskIndex(int index) { return index >= 0 && index < gMasks.size(); }
bool isValidPatternIndex(int index) { return index >= 0 && index < gPatterns.size(); }

QSize stateImageSize(int maskIndex)
{
    if (!isValidMaskIndex(maskIndex))
        return {};
    const TsMaskData& mask = gMasks[maskIndex];
    if (mask.hasOwnImage())
        return {mask.image.width() / 3, mask.image.height() / 2};
    // Stored skins may carry any count or type; a zero divisor must not take the program down.
    const int count = qMax<int>(1, mask.imageCount);
    const int rows = qMax<int>(1, mask.maskType + 1);
    return {mask.width() / count, mask.height() / rows};
}

void clearSkinTables()
{
    gSkinData.skinFile.reset();
    gSkinData.skinFolder.clear();
    gSkinData.ready = false;
    gSkinData.version = 0;
    gSkinData.author.clear();
    gSkinData.description.clear();
    gSections.clear();
    gMasks.clear();
    gPatterns.clear();
    gMasterBitmap = QImage();
    gCommonIndexes = {};
    gSkinChanging = false;
}

void UpdateCommonIndexes()
{
    TsCommonIndexes& c = gCommonIndexes;
    c = {};
    const QString global = QStringLiteral("GLOBALINFO");
    c.globalInfo = narrow(FindSection(global));
    c.boxChecked = maskOf(c.globalInfo, global, QStringLiteral("BOXCHECKED"));
    c.boxUnchecked = maskOf(c.globalInfo, global, QStringLiteral("BOXUNCHECKED"));
    c.boxGrayed = maskOf(c.globalInfo, global, QStringLiteral("BOXGRAYED"));
    c.radioChecked = maskOf(c.globalInfo, global, QStringLiteral("RADIOCHECKED"));
    c.radioUnchecked = maskOf(c.globalInfo, global, QStringLiteral("RADIOUNCHECKED"));
    c.radioGrayed = maskOf(c.globalInfo, global, QStringLiteral("RADIOGRAYED"));
    c.smallChecked = maskOf(c.globalInfo, global, QStringLiteral("SMALLCHECKED"));
    c.smallUnchecked = maskOf(c.globalInfo, global, QStringLiteral("SMALLUNCHECKED"));
    c.smallGrayed = maskOf(c.globalInfo, global, QStringLiteral("SMALLGRAYED"));

    lookUpTab(c.tabTop, QStringLiteral("TABTOP"));
    lookUpTab(c.tabBottom, QStringLiteral("TABBOTTOM"));
    lookUpTab(c.tabLeft, QStringLiteral("TABLEFT"));
    lookUpTab(c.tabRight, QStringLiteral("TABRIGHT"));

    lookUpScrollPart(c.scrollBtnTop, QStringLiteral("SCROLLBTNTOP"), true);
    lookUpScrollPart(c.scrollBtnBottom, QStringLiteral("SCROLLBTNBOTTOM"), true);
    lookUpScrollPart(c.scrollBtnLeft, QStringLiteral("SCROLLBTNLEFT"), true);
    lookUpScrollPart(c.scrollBtnRight, QStringLiteral("SCROLLBTNRIGHT"), true);
    lookUpScrollPart(c.scrollSliderV, QStringLiteral("SCROLLSLIDERV"), true);
    lookUpScrollPart(c.scrollSliderH, QStringLiteral("SCROLLSLIDERH"), true);

    lookUpScrollPart(c.scrollBar1H, QStringLiteral("SCROLLBAR1H"), false);
    lookUpScrollPart(c.scrollBar1V, QStringLiteral("SCROLLBAR1V"), false);
    lookUpScrollPart(c.scrollBar2H, QStringLiteral("SCROLLBAR2H"), false);
    lookUpScrollPart(c.scrollBar2V, QStringLiteral("SCROLLBAR2V"), false);
}
