#include "skin/core/tsskinmanager.h"

#include "skin/core/skinbroadcast.h"
#include "skin/core/skinloader.h"
#include "skin/core/skinmenuhook.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"

#include "platform/apperror.h"
#include "platform/applicationtitle.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

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

} // namespace

TsSkinManager::TsSkinManager(QObject* owner) : QObject(owner)
{
    if (skinData().mainManager)
        return;
    m_skinDirectory = defaultSkinDirectory();
    m_active = true;
    m_skinnedPopups = true;
    if (skinMenuHookFactory()) {
        m_menuSkinner = skinMenuHookFactory()(this);
        if (m_menuSkinner && QCoreApplication::instance())
            QCoreApplication::instance()->installEventFilter(this);
    }
    skinData().mainManager = this;
}

bool TsSkinManager::eventFilter(QObject* watched, QEvent* event)
{
    // Polish comes once, before a widget is first shown: early enough for a menu to take the skin
    // before its first paint.
    if (event->type() != QEvent::Polish || !m_menuSkinner || !skinData().ready)
        return false;
    auto* menu = qobject_cast<QWidget*>(watched);
    if (!qobject_cast<QMenu*>(menu) && !qobject_cast<QMenuBar*>(menu))
        return false;
    m_menuSkinner->menuAdded(menu);
    connect(menu, &QObject::destroyed, this, [this](QObject* gone) {
        if (m_menuSkinner)
            m_menuSkinner->menuRemoved(gone);
    });
    return false;
}

TsSkinManager::~TsSkinManager()
{
    if (isMainManager()) {
        BroadcastRemoveSkin();
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

bool TsSkinManager::isMainManager() const
{
    return skinData().mainManager == this;
}

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

void TsSkinManager::setInternalSkins(const TsStoredSkins& skins)
{
    m_internalSkins = skins;
}

void TsSkinManager::setSkinDirectory(const QString& directory)
{
    if (directory == m_skinDirectory)
        return;
    m_skinDirectory = directory;
    if (!isMainManager())
        return;
    SkinTables skin = *skinInForce();
    skin.skinFolder = ResolvedSkinDirectory();
    putSkinInForce(std::move(skin));
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
    emit beforeChange(this);
    if (name.isEmpty())
        setSkinDirectory(QString());

    const QString previousFolder = m_skinFolder;
    const QString folder = ResolvedSkinDirectory() + name + QDir::separator();
    if (!name.isEmpty() && QFileInfo(folder + QStringLiteral("Options.dat")).isFile()) {
        m_skinFolder = folder;
    } else {
        m_skinFolder.clear();
        const bool stored = std::any_of(m_internalSkins.cbegin(), m_internalSkins.cend(),
                                        [&](const TsStoredSkin& skin) { return skin.Name == name; });
        if (!stored && !m_internalSkins.isEmpty())
            m_skinName = m_internalSkins.first().Name;
    }
    if (!m_loading) {
        try {
            loadAndBroadcast();
        } catch (...) {
            m_skinName = previousName;
            m_skinFolder = previousFolder;
            throw;
        }
    }
    emit afterChange(this);
}

void TsSkinManager::Loaded()
{
    m_loading = false;
    if (!isMainManager() || !m_active || m_skinName.isEmpty())
        return;
    loadAndBroadcast();
}

void TsSkinManager::loadAndBroadcast()
{
    // A skin that cannot be read leaves the previous one in force: nothing is replaced before the
    // new one is whole.
    SkinLoadResult result = loadSkinTables({m_skinFolder, m_skinName, m_internalSkins, m_commonSections});
    if (const auto* error = std::get_if<SkinLoadError>(&result))
        throw AppError(error->message());
    LoadedSkin& loaded = std::get<LoadedSkin>(result);
    if (loaded.oldFormat)
        showMessageBox({applicationTitle(), oldSkinMessage(), MessageIcon::Error, MessageButtons::Ok});
    putSkinInForce(std::move(loaded.tables));
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
    deliverToAllForms(SKM_SETNEWSKIN, this);
    skinData().ready = true;
    if (m_menuSkinner)
        m_menuSkinner->skinApplied();
    deliverToAllForms(SKM_REPAINT, this);
}

void TsSkinManager::BroadcastRemoveSkin()
{
    skinData().ready = false;
    deliverToAllForms(SKM_REMOVESKIN, this);
    putSkinInForce(nullptr);
    if (m_menuSkinner)
        m_menuSkinner->skinRemoved();
}
