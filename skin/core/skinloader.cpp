#include "skin/core/skinloader.h"

#include "skin/core/memoryinifile.h"
#include "skin/core/sectionkeys.h"

#include "platform/apperror.h"
#include "platform/jpegdecoder.h"
#include "platform/programfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

const QString globalInfo = QStringLiteral("GLOBALINFO");

// What one load builds up: the skin and the problems met on the way.
struct Loading {
    LoadedSkin& result;

    SkinTables& skin() { return result.tables; }
    void report(const QString& problem) { result.problems.append(problem); }
};

const TsStoredSkin* internalSkin(const SkinSource& source)
{
    for (const TsStoredSkin& skin : source.internalSkins) {
        if (skin.Name == source.skinName)
            return &skin;
    }
    return nullptr;
}

bool isAbsolute(const QString& path)
{
    return path.contains(QLatin1Char(':')) || path.startsWith(QLatin1Char('/'));
}

// File names in a skin are relative to the skin's folder unless they carry a drive or root.
QString skinFilePath(const SkinTables& skin, const QString& value)
{
    return nativePath(isAbsolute(value) ? value : skin.skinFolder + value);
}

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QImage loadBitmap(const QString& path)
{
    const QImage image(path);
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_BGR888);
}

QImage loadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return decodeJpeg(file.readAll()).convertToFormat(QImage::Format_BGR888);
}

int16_t toInt16(int value)
{
    return int16_t(std::clamp<int>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// The numbers of one word of a rectangle value; fewer than `wanted` is an error like a word that
// is not a number.
QList<int> numbersOf(const QString& word, qsizetype wanted, const QString& section, const QString& key)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    const QStringList parts = word.split(separators, Qt::SkipEmptyParts);
    QList<int> numbers;
    for (qsizetype i = 0; i < qMax(wanted, parts.size()); ++i) {
        const QString part = parts.value(i);
        bool ok = false;
        numbers.append(part.toInt(&ok));
        // Thrown up to loadSkinTables, which turns it into its result.
        if (!ok)
            throw SkinLoadError{section, key, part};
    }
    return numbers;
}

// "#(left,top,right,bottom)(count,type[,border])". The words are the parenthesised groups, so
// that blanks between the numbers of a group are allowed as well as commas.
// A rectangle of a bitmap lies within what a bitmap can hold; a number beyond that is taken as the
// nearest edge and reported, so that sizes worked out from the rectangle never overflow.
constexpr int largestBitmapSide = 32768;

int withinBitmap(Loading& loading, const QString& section, const QString& key, int number)
{
    const int kept = std::clamp(number, 0, largestBitmapSide);
    if (kept != number) {
        loading.report(QStringLiteral("[%1] %2: rectangle number %3 lies outside 0..%4, taken as %5")
                           .arg(section, key)
                           .arg(number)
                           .arg(largestBitmapSide)
                           .arg(kept));
    }
    return kept;
}

TsMaskData parseRectangle(Loading& loading, const QString& section, const QString& key, const QString& value)
{
    static const QRegularExpression separators(QStringLiteral("[()]"));
    QStringList words;
    for (const QString& word : value.split(separators, Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty())
            words.append(word.trimmed());
    }
    const QList<int> rect = numbersOf(words.value(1), 4, section, key);
    const QList<int> counts = numbersOf(words.value(2), 2, section, key);
    TsMaskData mask;
    mask.sectionName = section.toUpper();
    mask.propertyName = key.toUpper();
    mask.left = withinBitmap(loading, section, key, rect[0]);
    mask.top = withinBitmap(loading, section, key, rect[1]);
    mask.right = withinBitmap(loading, section, key, rect[2]);
    mask.bottom = withinBitmap(loading, section, key, rect[3]);
    mask.imageCount = toInt16(qMax(1, counts[0]));
    mask.maskType = toInt16(qMax(0, counts[1]));
    mask.borderWidth = toInt16(counts.size() > 2 ? qMax(0, counts[2]) : 0);
    return mask;
}

// The rules for one key of an ini section: a rectangle of the master bitmap, or an own bitmap.
void scanMaskValue(Loading& loading, const QString& section, const QString& key, const QString& value)
{
    SkinTables& skin = loading.skin();
    if (!skin.masterBitmap.isNull() && value.contains(QLatin1Char('#'))) {
        if (value != QStringLiteral("#"))
            skin.masks.append(parseRectangle(loading, section, key, value));
        return;
    }
    if (!value.toUpper().contains(QStringLiteral(".BMP")))
        return;
    const QString path = skinFilePath(skin, value);
    if (!fileExists(path)) {
        // A missing master bitmap has been reported already.
        if (key.compare(QStringLiteral("MASTERBITMAP"), Qt::CaseInsensitive) != 0)
            loading.report(QStringLiteral("[%1] %2: image file \"%3\" not found").arg(section, key, path));
        return;
    }
    TsMaskData mask;
    mask.image = loadBitmap(path);
    if (mask.image.width() < 1) {
        loading.report(QStringLiteral("[%1] %2: image file \"%3\" cannot be read").arg(section, key, path));
        return;
    }
    mask.sectionName = section.toUpper();
    mask.propertyName = key.toUpper();
    mask.imageCount = 0;
    skin.masks.append(mask);
}

void scanMaskSections(Loading& loading, const MemoryIniFile& ini, bool skipGlobalInfo)
{
    for (const MemoryIniFile::Section& section : ini.allSections()) {
        if (skipGlobalInfo && section.name.compare(globalInfo, Qt::CaseInsensitive) == 0)
            continue;
        for (const auto& entry : section.values)
            scanMaskValue(loading, section.name, entry.first, entry.second);
    }
}

bool isJpegValue(const QString& value)
{
    const QString upper = value.toUpper();
    return upper.contains(QStringLiteral(".JPG")) || upper.contains(QStringLiteral(".JPEG"));
}

// Large pictures stay patterns; small ones become ready bitmaps of masks, unless `alwaysPattern`.
void addPicture(SkinTables& skin, const QImage& picture, const QString& section, const QString& key, bool alwaysPattern)
{
    if (picture.width() < 1)
        return;
    if (alwaysPattern || qint64(picture.width()) * picture.height() > largestMaskPicture) {
        skin.patterns.append({picture.convertToFormat(QImage::Format_BGR888), section.toUpper(), key.toUpper()});
        return;
    }
    TsMaskData mask;
    mask.image = picture.convertToFormat(QImage::Format_BGR888);
    mask.sectionName = section.toUpper();
    mask.propertyName = key.toUpper();
    mask.imageCount = 0;
    skin.masks.append(mask);
}

void scanPatternSections(Loading& loading, const MemoryIniFile& ini, bool alwaysPattern)
{
    for (const MemoryIniFile::Section& section : ini.allSections()) {
        for (const auto& [key, value] : section.values) {
            if (!isJpegValue(value))
                continue;
            const QString path = skinFilePath(loading.skin(), value);
            if (!fileExists(path)) {
                loading.report(QStringLiteral("[%1] %2: image file \"%3\" not found").arg(section.name, key, path));
                continue;
            }
            try {
                addPicture(loading.skin(), loadJpeg(path), section.name, key, alwaysPattern);
            } catch (const AppError& error) {
                loading.report(QStringLiteral("[%1] %2: \"%3\": %4").arg(section.name, key, path, error.message()));
            }
        }
    }
}

// --- Section records --------------------------------------------------------------------------

// Values beyond the five bevel kinds draw no bevel.
TsControlBevel toBevel(int value)
{
    return value >= cbNone && value <= cbLoweredHard ? TsControlBevel(value) : cbNone;
}

void parseGradients(TsGeneralData& record)
{
    if (record.gradientData != QStringLiteral(" "))
        record.gradient = parseGradient(record.gradientData);
    if (record.hotGradientData != QStringLiteral(" "))
        record.hotGradient = parseGradient(record.hotGradientData);
}

// Reads of Options.dat that fall back along PARENTCLASS: a key a section leaves out (or gives as
// -1, for numbers) comes from the first section up its chain that gives it. A chain that comes
// back to a section it passed ends there. Each key is resolved once for all sections, following
// every chain link once, so that loading stays linear in the size of the skin even when its chains
// are long or loop.
class InheritedReader {
public:
    explicit InheritedReader(const MemoryIniFile& ini)
    {
        const QList<MemoryIniFile::Section>& sections = ini.allSections();
        m_own.resize(sections.size());
        for (qsizetype i = 0; i < sections.size(); ++i) {
            // Names are found ignoring case and the first of two equal names wins, as in the file.
            const QString name = sections[i].name.toUpper();
            if (!m_index.contains(name))
                m_index.insert(name, int(i));
            for (auto it = sections[i].values.crbegin(); it != sections[i].values.crend(); ++it)
                m_own[i].insert(it->first.toUpper(), it->second);
        }
        m_parent.fill(-1, sections.size());
        for (qsizetype i = 0; i < sections.size(); ++i) {
            const QString parent = m_own[i].value(QStringLiteral("PARENTCLASS"));
            if (parent.isEmpty() || parent == QStringLiteral("?")
                || parent.compare(sections[i].name, Qt::CaseInsensitive) == 0)
                continue;
            m_parent[i] = m_index.value(parent.toUpper(), -1);
        }
    }

    int readInteger(const QString& section, const QString& key, int fallback) const
    {
        const std::optional<QString> text = resolved(section, key, Given::Number);
        return text ? text->toInt() : fallback;
    }

    QString readString(const QString& section, const QString& key, const QString& fallback) const
    {
        return resolved(section, key, Given::Present).value_or(fallback);
    }

private:
    // A number counts as given only when it reads as one and is not -1.
    enum class Given { Present, Number };

    static bool isGiven(const QString* text, Given given)
    {
        if (!text)
            return false;
        if (given == Given::Present)
            return true;
        bool ok = false;
        const int value = text->toInt(&ok);
        return ok && value != -1;
    }

    std::optional<QString> resolved(const QString& section, const QString& key, Given given) const
    {
        const int index = m_index.value(section.toUpper(), -1);
        if (index < 0)
            return std::nullopt;
        const QString upperKey = key.toUpper();
        const QString memoKey = upperKey + (given == Given::Number ? QStringLiteral("#") : QString());
        auto memo = m_resolved.find(memoKey);
        if (memo == m_resolved.end())
            memo = m_resolved.insert(memoKey, resolveForAll(upperKey, given));
        return (*memo)[index];
    }

    // The value each section gets for `key`. A walk up a chain stops at the first section that
    // gives the key, at one already resolved (its answer is the rest of the chain's answer), or at
    // one the walk passed, which closes a loop in which no section gives the key.
    QList<std::optional<QString>> resolveForAll(const QString& key, Given given) const
    {
        const qsizetype count = m_own.size();
        QList<std::optional<QString>> answer(count);
        QList<char> done(count, 0);
        QList<char> onWalk(count, 0);
        QList<int> walk;
        for (int start = 0; start < count; ++start) {
            std::optional<QString> found;
            walk.clear();
            for (int current = start; current >= 0 && !done[current] && !onWalk[current]; current = m_parent[current]) {
                const auto own = m_own[current].constFind(key);
                if (isGiven(own == m_own[current].cend() ? nullptr : &*own, given)) {
                    answer[current] = *own;
                    done[current] = 1;
                    break;
                }
                walk.append(current);
                onWalk[current] = 1;
            }
            // Whatever stopped the walk, the sections on it share the answer found past them.
            const int last = walk.isEmpty() ? start : m_parent[walk.last()];
            if (last >= 0 && done[last])
                found = answer[last];
            for (int passed : walk) {
                answer[passed] = found;
                done[passed] = 1;
                onWalk[passed] = 0;
            }
        }
        return answer;
    }

    QHash<QString, int> m_index;
    QList<QHash<QString, QString>> m_own;
    QList<int> m_parent;
    mutable QHash<QString, QList<std::optional<QString>>> m_resolved;
};

bool isTrue(const QString& text)
{
    return text.toUpper() == QStringLiteral("TRUE");
}

TsGeneralData readFileSection(const InheritedReader& reader, const MemoryIniFile& ini, const QString& section)
{
    static const TsGeneralData defaults;
    TsGeneralData record;
    record.sectionName = section;
    record.parentClass = ini.readString(section, QStringLiteral("PARENTCLASS"), QString());
    for (const SectionKey& key : sectionKeys) {
        const QString name = QLatin1String(key.name);
        if (key.number && !key.inherited)
            record.*key.number = ini.readInteger(section, name, defaults.*key.number);
        else if (key.number)
            record.*key.number = reader.readInteger(section, name, defaults.*key.number);
        else if (key.bevel)
            record.*key.bevel = toBevel(reader.readInteger(section, name, defaults.*key.bevel));
        else if (key.flag)
            record.*key.flag = isTrue(reader.readString(section, name, QStringLiteral("FALSE")));
        else
            record.*key.text = reader.readString(section, name, defaults.*key.text);
    }
    parseGradients(record);
    return record;
}

// A record with every value 0 or empty, the start of a copied stored section.
TsGeneralData zeroRecord()
{
    TsGeneralData r;
    for (const SectionKey& key : sectionKeys) {
        if (key.number)
            r.*key.number = 0;
        else if (key.bevel)
            r.*key.bevel = cbNone;
        else if (key.flag)
            r.*key.flag = false;
        else
            (r.*key.text).clear();
    }
    return r;
}

std::optional<QList<int>> fiveColours(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 5)
        return QList<int>{0, clNoColor, clNoColor, clNoColor, clNoColor};
    QList<int> colours;
    for (const QString& word : words) {
        bool ok = false;
        colours.append(word.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return colours;
}

// Copies key by key; a colour word that is not a number ends the copy, and the record keeps what
// it has.
TsGeneralData copyStoredSection(const TsSkinGeneral& g)
{
    TsGeneralData r = zeroRecord();
    r.parentClass = g.ParentClass;
    r.sectionName = g.SectionName;
    for (const SectionKey& key : sectionKeys) {
        if (key.word >= 0) {
            const auto colours = fiveColours(g.*key.storedText);
            if (!colours)
                break;
            r.*key.number = (*colours)[key.word];
        } else if (key.number) {
            r.*key.number = g.*key.storedNumber;
        } else if (key.bevel) {
            r.*key.bevel = g.*key.storedBevel;
        } else if (key.flag) {
            r.*key.flag = g.*key.storedFlag;
        } else {
            r.*key.text = g.*key.storedText;
        }
    }
    r.gradient = parseGradient(r.gradientData);
    r.hotGradient = parseGradient(r.hotGradientData);
    return r;
}

const QString* commonValue(const MemoryIniFile::Section& section, const char* key)
{
    for (const auto& entry : section.values) {
        if (entry.first.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return &entry.second;
    }
    return nullptr;
}

// Common sections allow hexadecimal "0x..." values; -1 and unreadable values count as not given.
std::optional<int> commonInteger(const MemoryIniFile::Section& section, const char* key)
{
    const QString* text = commonValue(section, key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    int value = 0;
    if (text->size() > 2 && text->startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        value = int(text->mid(2).toUInt(&ok, 16));
    else
        value = text->toInt(&ok);
    if (!ok || value == -1)
        return std::nullopt;
    return value;
}

// A common section gives every key it leaves out from its parent record, or the default.
TsGeneralData readCommonSection(const MemoryIniFile::Section& section, const TsGeneralData* parent)
{
    static const TsGeneralData defaults;
    const TsGeneralData& inherited = parent ? *parent : defaults;
    TsGeneralData record;
    record.sectionName = section.name;
    const QString* parentClass = commonValue(section, "PARENTCLASS");
    record.parentClass = parentClass ? parentClass->toUpper() : QStringLiteral("-1");
    for (const SectionKey& key : sectionKeys) {
        if (key.number) {
            record.*key.number = commonInteger(section, key.name).value_or(inherited.*key.number);
        } else if (key.bevel) {
            const auto value = commonInteger(section, key.name);
            record.*key.bevel = value ? toBevel(*value) : inherited.*key.bevel;
        } else {
            const QString* text = commonValue(section, key.name);
            if (key.flag)
                record.*key.flag = text ? isTrue(*text) : inherited.*key.flag;
            else
                record.*key.text = text ? *text : inherited.*key.text;
        }
    }
    parseGradients(record);
    return record;
}

void addCommonSections(TsGeneralDataArray& sections, const MemoryIniFile& ini)
{
    for (const MemoryIniFile::Section& section : ini.allSections()) {
        const QString* parentClass = commonValue(section, "PARENTCLASS");
        const QString parentName = parentClass ? parentClass->toUpper() : QStringLiteral("-1");
        // The first record of that name, the skin's own ones included; a section naming itself
        // has no record to inherit from yet, so it takes the defaults.
        std::optional<TsGeneralData> parent;
        for (const TsGeneralData& candidate : sections) {
            if (candidate.sectionName.toUpper() == parentName) {
                parent = candidate;
                break;
            }
        }
        sections.append(readCommonSection(section, parent ? &*parent : nullptr));
    }
}

void loadMasks(Loading& loading, const MemoryIniFile* file, const TsStoredSkin* stored)
{
    SkinTables& skin = loading.skin();
    if (file) {
        const QString master = file->readString(globalInfo, QStringLiteral("MASTERBITMAP"), QString());
        if (!master.isEmpty()) {
            const QString path = skinFilePath(skin, master);
            if (fileExists(path)) {
                skin.masterBitmap = loadBitmap(path);
                if (skin.masterBitmap.isNull())
                    loading.report(QStringLiteral("master bitmap \"%1\" cannot be read").arg(path));
            } else {
                loading.report(QStringLiteral("master bitmap \"%1\" not found").arg(path));
            }
        }
        scanMaskSections(loading, *file, false);
        return;
    }
    skin.masterBitmap = stored->MasterBitmap.convertToFormat(QImage::Format_BGR888);
    for (const TsSkinImage& item : stored->Images) {
        TsMaskData mask;
        mask.sectionName = item.SectionName.toUpper();
        mask.propertyName = item.PropertyName.toUpper();
        mask.left = item.Left;
        mask.top = item.Top;
        mask.right = item.Right;
        mask.bottom = item.Bottom;
        mask.imageCount = toInt16(item.ImageCount);
        mask.maskType = toInt16(item.MaskType);
        mask.borderWidth = toInt16(item.BorderWidth);
        if (item.ImageCount == 0)
            mask.image = item.Image.convertToFormat(QImage::Format_BGR888);
        skin.masks.append(mask);
    }
}

void loadPatterns(Loading& loading, const MemoryIniFile* file, const TsStoredSkin* stored)
{
    if (file) {
        scanPatternSections(loading, *file, false);
        return;
    }
    for (const TsSkinPattern& item : stored->Patterns)
        addPicture(loading.skin(), item.Image, item.SectionName, item.PropertyName, false);
}

void loadSections(Loading& loading, const MemoryIniFile* file, const TsStoredSkin* stored)
{
    SkinTables& skin = loading.skin();
    if (!file) {
        for (const TsSkinGeneral& general : stored->GeneralData)
            skin.sections.append(copyStoredSection(general));
        return;
    }
    skin.version = file->readFloat(globalInfo, QStringLiteral("VERSION"), 0);
    skin.author = file->readString(globalInfo, QStringLiteral("AUTHOR"), QString());
    skin.description = file->readString(globalInfo, QStringLiteral("DESCRIPTION"), QString());
    const QStringList names = file->sections();
    for (const QString& name : names) {
        if (name.compare(QStringLiteral("TSEDIT"), Qt::CaseInsensitive) == 0) {
            loading.result.oldFormat = true;
            return;
        }
    }
    const InheritedReader reader(*file);
    for (const QString& name : names)
        skin.sections.append(readFileSection(reader, *file, name));
}

} // namespace

QString SkinLoadError::message() const
{
    return QStringLiteral("Skin section [%1], key %2: '%3' is not a valid integer value").arg(section, key, value);
}

QString oldSkinMessage()
{
    return QStringLiteral("You use old version of skin (for Velvix 3), please download latest skins from the "
                          "https://skins.vestoria.example!");
}

SkinLoadResult loadSkinTables(const SkinSource& source)
{
    LoadedSkin result;
    Loading loading{result};
    SkinTables& skin = result.tables;
    const TsStoredSkin* stored = nullptr;
    if (!source.skinFolder.isEmpty()) {
        skin.skinFolder = source.skinFolder;
        skin.skinFile = std::make_shared<const MemoryIniFile>(
            MemoryIniFile::fromFile(source.skinFolder + QStringLiteral("Options.dat")));
    } else {
        stored = internalSkin(source);
        if (!stored)
            return result;
    }
    const MemoryIniFile* file = skin.skinFile.get();
    const bool withCommon = !source.commonSections.isEmpty();
    const MemoryIniFile common(source.commonSections.join(QLatin1Char('\n')));
    try {
        loadMasks(loading, file, stored);
        if (withCommon)
            scanMaskSections(loading, common, true);
    } catch (const SkinLoadError& error) {
        return error;
    }
    loadPatterns(loading, file, stored);
    if (withCommon)
        scanPatternSections(loading, common, true);
    loadSections(loading, file, stored);
    // An old skin's sections are not read, and the common sections are not added to nothing.
    if (withCommon && !result.oldFormat)
        addCommonSections(skin.sections, common);
    skin.UpdateCommonIndexes();
    return result;
}
