#include "skin/core/skintables.h"

#include <limits>

namespace {

template <typename Table>
int findInTable(const SkinTables& skin, const Table& table, int sectionIndex, const QString& sectionName,
                const QString& propertyName)
{
    if (!skin.isValidSectionIndex(sectionIndex) || sectionName.isEmpty())
        return -1;
    QString section = sectionName.toUpper();
    // Each step moves to another section; more steps than sections means the chain has a cycle.
    for (qsizetype step = 0; step <= skin.sections.size(); ++step) {
        for (qsizetype k = 0; k < table.size(); ++k) {
            if (table[k].propertyName == propertyName && table[k].sectionName == section)
                return int(k);
        }
        const QString parent = skin.sections[sectionIndex].parentClass.toUpper();
        if (parent.isEmpty() || parent == section)
            return -1;
        const int parentIndex = skin.FindSection(parent);
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

int16_t maskOf(const SkinTables& skin, int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    return narrow(skin.FindMask(sectionIndex, sectionName, propertyName));
}

void lookUpScrollPart(const SkinTables& skin, TsScrollPartIndexes& part, const QString& name, bool withGlyph)
{
    part = {};
    part.section = narrow(skin.FindSection(name));
    part.bordersMask = maskOf(skin, part.section, name, QStringLiteral("BORDERSMASK"));
    if (withGlyph && part.section >= 0)
        part.glyphMask = maskOf(skin, part.section, name, QStringLiteral("GLYPHMASK"));
    part.pattern = maskOf(skin, part.section, name, QStringLiteral("PATTERN"));
    part.hotPattern = maskOf(skin, part.section, name, QStringLiteral("HOTPATTERN"));
}

void lookUpTab(const SkinTables& skin, TsTabIndexes& tab, const QString& name)
{
    tab.section = narrow(skin.FindSection(name));
    tab.bordersMask = maskOf(skin, tab.section, name, QStringLiteral("BORDERSMASK"));
}

} // namespace

int SkinTables::FindSection(const QString& name) const
{
    // A record without a name closes some skins; no name finds it.
    if (name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        if (sections[i].sectionName.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int SkinTables::FindMask(int sectionIndex, const QString& sectionName, const QString& propertyName) const
{
    return findInTable(*this, masks, sectionIndex, sectionName, propertyName);
}

int SkinTables::FindPattern(int sectionIndex, const QString& sectionName, const QString& propertyName) const
{
    return findInTable(*this, patterns, sectionIndex, sectionName, propertyName);
}

QSize SkinTables::stateImageSize(int maskIndex) const
{
    if (!isValidMaskIndex(maskIndex))
        return {};
    const TsMaskData& mask = masks[maskIndex];
    if (mask.hasOwnImage())
        return {mask.image.width() / 3, mask.image.height() / 2};
    // Stored skins may carry any count or type; a zero divisor must not take the program down.
    const int count = qMax<int>(1, mask.imageCount);
    const int rows = qMax<int>(1, mask.maskType + 1);
    return {mask.width() / count, mask.height() / rows};
}

void SkinTables::UpdateCommonIndexes()
{
    TsCommonIndexes& c = commonIndexes;
    c = {};
    const SkinTables& skin = *this;
    const QString global = QStringLiteral("GLOBALINFO");
    c.globalInfo = narrow(FindSection(global));
    c.boxChecked = maskOf(skin, c.globalInfo, global, QStringLiteral("BOXCHECKED"));
    c.boxUnchecked = maskOf(skin, c.globalInfo, global, QStringLiteral("BOXUNCHECKED"));
    c.boxGrayed = maskOf(skin, c.globalInfo, global, QStringLiteral("BOXGRAYED"));
    c.radioChecked = maskOf(skin, c.globalInfo, global, QStringLiteral("RADIOCHECKED"));
    c.radioUnchecked = maskOf(skin, c.globalInfo, global, QStringLiteral("RADIOUNCHECKED"));
    c.radioGrayed = maskOf(skin, c.globalInfo, global, QStringLiteral("RADIOGRAYED"));
    c.smallChecked = maskOf(skin, c.globalInfo, global, QStringLiteral("SMALLCHECKED"));
    c.smallUnchecked = maskOf(skin, c.globalInfo, global, QStringLiteral("SMALLUNCHECKED"));
    c.smallGrayed = maskOf(skin, c.globalInfo, global, QStringLiteral("SMALLGRAYED"));

    lookUpTab(skin, c.tabTop, QStringLiteral("TABTOP"));
    lookUpTab(skin, c.tabBottom, QStringLiteral("TABBOTTOM"));
    lookUpTab(skin, c.tabLeft, QStringLiteral("TABLEFT"));
    lookUpTab(skin, c.tabRight, QStringLiteral("TABRIGHT"));

    lookUpScrollPart(skin, c.scrollBtnTop, QStringLiteral("SCROLLBTNTOP"), true);
    lookUpScrollPart(skin, c.scrollBtnBottom, QStringLiteral("SCROLLBTNBOTTOM"), true);
    lookUpScrollPart(skin, c.scrollBtnLeft, QStringLiteral("SCROLLBTNLEFT"), true);
    lookUpScrollPart(skin, c.scrollBtnRight, QStringLiteral("SCROLLBTNRIGHT"), true);
    lookUpScrollPart(skin, c.scrollSliderV, QStringLiteral("SCROLLSLIDERV"), true);
    lookUpScrollPart(skin, c.scrollSliderH, QStringLiteral("SCROLLSLIDERH"), true);

    lookUpScrollPart(skin, c.scrollBar1H, QStringLiteral("SCROLLBAR1H"), false);
    lookUpScrollPart(skin, c.scrollBar1V, QStringLiteral("SCROLLBAR1V"), false);
    lookUpScrollPart(skin, c.scrollBar2H, QStringLiteral("SCROLLBAR2H"), false);
    lookUpScrollPart(skin, c.scrollBar2V, QStringLiteral("SCROLLBAR2V"), false);
}
