#include "skin/core/tsskinmanager.h"

#include "skin/core/memoryinifile.h"
#include "skin/core/skinbroadcast.h"
#include "skin/core/skinloader.h"
#include "skin/core/skinmenuhook.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"

#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isAbsoluteDirectory(const QString& directory)
{
#ifdef Q_OS_WIN
    return directory.contains(QLatin1Char(':'));
#else
    return directory.contains(QLatin1Char(':')) || directory.startsWith(QLatin1Char('/'));
#endif
}

// Everything a failed load must put back so that the previous skin stays in force.
struct SkinSnapshot {
    std::unique_ptr<MemoryIniFile> skinFile;
    QString skinFolder;
    bool ready = false;
    double version = 0;
    QString author;
    QString description;
    TsGeneralDataArray sections;
    TsMaskArray masks;
    TsPatternArray patterns;
    QImage masterBitmap;

    static SkinSnapshot take()
    {
        TsSkinData& d = skinData();
        SkinSnapshot s;
        if (d.skinFile)
            s.skinFile = std::make_unique<MemoryIniFile>(*d.skinFile);
        s.skinFolder = d.skinFolder;
        s.ready = d.ready;
        s.version = d.version;
        s.author = d.author;
        s.description = d.description;
        s.sections = skinSections();
        s.masks = skinMasks();
        s.patterns = skinPatterns();
        s.masterBitmap = skinMasterBitmap();
        return s;
    }

    void restore()
    {
        TsSkinData& d = skinData();
        d.skinFile = std::move(skinFile);
        d.skinFolder = skinFolder;
        d.ready = ready;
        d.version = version;
        d.author = author;
        d.description = description;
        skinSections() = sections;
        skinMasks() = masks;
        skinPatterns() = patterns;
        skinMasterBitmap() = masterBitmap;
    }
};

} // namespace

TsSkinManager::TsSkinManager(QObject* owner) : QObject(owner)
{
    if (skinData().mainManager)
        return;
    m_skinDirectory = defaultSkinDirectory();
    m_active = true;
    m_skinnedPopups = true;
    if (skinMenuHookFactory())
        m_menuSkinner = skinMenuHookFactory()(this);
    skinData().mainManager = this;
}

TsSkinManager::~TsSkinManager()
{
    if (isMainManager()) {
        BroadcastRemoveSkin();
        UpdateCommonIndexes();
        skinData().mainManager = nullptr;
    }
}

QString TsSkinManager::defaultSkinDirectory()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Skins");
#else
    return QStringLiteral(".\\Skins");
#endif
}

bool TsSkinManager::isMainManager() const { return skinData().mainManager == this; }

void TsSkinManager::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (!isMainManager())
        return;
    if (active) {
        setSkinName(m_skinName);
    } else if (!m_loading) {
        BroadcastRemoveSkin();
        UpdateCommonIndexes();
    }
}

void TsSkinManager::setCommonSections(const QStringList& lines)
{
    // Lines the loader refuses must not stay behind to fail every later skin change.
    const QStringList previous = m_commonSections;
    m_commonSections.clear();
    for (QString line : lines) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char(';')))
            line.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
        m_commonSections.append(line);
    }
    try {
        setSkinName(m_skinName);
    } catch (...) {
        m_commonSections = previous;
        throw;
    }
}

void TsSkinManager::setInternalSkins(const TsStoredSkins& skins) { m_internalSkins = skins; }

void TsSkinManager::setSkinDirectory(const QString& directory)
{
    if (directory == m_skinDirectory)
        return;
    m_skinDirectory = directory;
    if (isMainManager())
        skinData().skinFolder = ResolvedSkinDirectory();
}

void TsSkinManager::setSkinnedPopups(bool skinned)
{
    if (skinned == m_skinnedPopups)
        return;
    m_skinnedPopups = skinned;
    if (isMainManager() && m_menuSkinner)
        m_menuSkinner->setPopupsSkinned(skinned);
}

void TsSkinManager::setSkinName(const QString& name)
{
    const QString previousName = m_skinName;
    m_skinName = name;
    if (!m_active || !isMainManager())
        return;
    if (OnBeforeChange)
        OnBeforeChange(this);
    if (name.isEmpty())
        setSkinDirectory(QString());

    // A skin that cannot be read leaves the previous one in force, tables and all.
    SkinSnapshot previous = SkinSnapshot::take();
    try {
        skinData().ready = false;
        skinData().skinFile.reset();
        const QString folder = ResolvedSkinDirectory() + name + QDir::separator();
        const QString options = folder + QStringLiteral("Options.dat");
        if (!name.isEmpty() && QFileInfo(options).isFile()) {
            skinData().skinFile = std::make_unique<MemoryIniFile>(MemoryIniFile::fromFile(options));
            skinData().skinFolder = folder;
        } else {
            skinData().skinFolder.clear();
            const bool stored = std::any_of(m_internalSkins.cbegin(), m_internalSkins.cend(),
                                            [&](const TsStoredSkin& skin) { return skin.Name == name; });
            if (!stored && !m_internalSkins.isEmpty())
                m_skinName = m_internalSkins.first().Name;
        }
        if (!m_loading)
            loadAndBroadcast();
    } catch (...) {
        m_skinName = previousName;
        previous.restore();
        throw;
    }
    if (OnAfterChange)
        OnAfterChange(this);
}

void TsSkinManager::Loaded()
{
    m_loading = false;
    if (!isMainManager() || !m_active || m_skinName.isEmpty())
        return;
    SkinSnapshot previous = SkinSnapshot::take();
    try {
        loadAndBroadcast();
    } catch (...) {
        previous.restore();
        throw;
    }
}

void TsSkinManager::loadAndBroadcast()
{
    const SkinSource source{m_skinName, m_internalSkins, m_commonSections, nullptr};
    LoadSkinMasks(source);
    LoadSkinPatterns(source);
    LoadSkinSections(source);
    BroadcastNewSkin();
}

QString TsSkinManager::ResolvedSkinDirectory() const
{
    QString directory = m_skinDirectory;
    if (directory.startsWith(QStringLiteral(".\\")) || directory.startsWith(QStringLiteral("./")))
        directory = programFolder() + directory.mid(2);
    else if (!isAbsoluteDirectory(directory))
        directory = programFolder() + directory;

    if (directory.isEmpty())
        return directory;
    if (directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    if (!directory.endsWith(QLatin1Char('\\')))
        directory += directory.size() == 1 ? QStringLiteral(":\\") : QStringLiteral("\\");
    return nativePath(directory);
}

QString TsSkinManager::ListSkins(QStringList& list) const
{
    list.clear();
    for (const TsStoredSkin& skin : m_internalSkins)
        list.append(skin.Name);
    const QString directory = ResolvedSkinDirectory();
    QStringList folders;
    if (!directory.isEmpty()) {
        const QDir dir(directory);
        for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted)) {
            if (!entry.startsWith(QLatin1Char('.')))
                folders.append(entry);
        }
    }
    list.append(folders);
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    if (!m_internalSkins.isEmpty())
        return m_internalSkins.first().Name;
    return folders.isEmpty() ? QString() : folders.first();
}

void TsSkinManager::BroadcastNewSkin()
{
    skinData().ready = false;
    setSkinChanging(true);
    deliverToAllForms(SKM_SETNEWSKIN, this);
    UpdateCommonIndexes();
    setSkinChanging(false);
    skinData().ready = true;
    deliverToAllForms(SKM_REPAINT, this);
}

void TsSkinManager::BroadcastRemoveSkin()
{
    skinData().ready = false;
    deliverToAllForms(SKM_REMOVESKIN, this);
    skinMasks().clear();
    skinMasterBitmap() = QImage();
    skinPatterns().clear();
    skinSections().clear();
}
