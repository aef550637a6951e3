#pragma once

// The skin manager: holds the skins stored in the program, chooses the active skin by name, and
// tells every window when the skin changes. The first manager created is the main one; only it
// loads skins, puts them in force (putSkinInForce, skininforce.h) and broadcasts. A skin that
// cannot be loaded is refused whole: the skin in force stays as it was.

#include "skin/core/tsstoredskin.h"

#include <QObject>
#include <QStringList>

#include <memory>

class SkinMenuHook;

class TsSkinManager : public QObject {
    Q_OBJECT

public:
    explicit TsSkinManager(QObject* owner);
    ~TsSkinManager() override;

    bool Active() const { return m_active; }
    void setActive(bool active);
    const QStringList& CommonSections() const { return m_commonSections; }
    void setCommonSections(const QStringList& lines);
    const TsStoredSkins& InternalSkins() const { return m_internalSkins; }
    void setInternalSkins(const TsStoredSkins& skins);
    const QString& SkinDirectory() const { return m_skinDirectory; }
    void setSkinDirectory(const QString& directory);
    const QString& SkinName() const { return m_skinName; }
    // Applies the skin of that name: an external skin folder of the name if it has an Options.dat,
    // else the stored skin of the name, else the first stored skin.
    void setSkinName(const QString& name);
    bool SkinnedPopups() const { return m_skinnedPopups; }
    void setSkinnedPopups(bool skinned);

    // The owner is about to set the stored properties: skins are chosen but not loaded until
    // Loaded() is called.
    void beginLoading() { m_loading = true; }
    void Loaded();

    bool isMainManager() const;
    QString ResolvedSkinDirectory() const;
    // Fills `list` with the stored skins and the folders of the skin directory, sorted ignoring
    // case; returns the first stored skin's name, else the first folder found, else empty.
    QString ListSkins(QStringList& list) const;

    // The current skin is new: every control looks its sections up again, then the menu skinner
    // and a repaint follow.
    void BroadcastNewSkin();
    // Every control lets go of the skin, then the current skin is emptied and the menu skinner told.
    void BroadcastRemoveSkin();

    SkinMenuHook* menuSkinner() const { return m_menuSkinner.get(); }

    // The stored default of SkinDirectory: "c:\Skins" on Windows, the program folder's Skins
    // elsewhere.
    static QString defaultSkinDirectory();

signals:
    // Around a change of the skin's name on the active main manager: before it is looked up, and
    // after it is in force (or only chosen, while the owner is loading). A skin that cannot be
    // loaded throws in between, and afterChange is not sent.
    void beforeChange(QObject* sender);
    void afterChange(QObject* sender);

protected:
    // The main manager with a menu skinner watches the application for menus that appear while a
    // skin is in force.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Loads the chosen skin and, when it loads, puts it in force and broadcasts it; a refused skin
    // throws AppError.
    void loadAndBroadcast();

    bool m_active = false;
    QStringList m_commonSections;
    TsStoredSkins m_internalSkins;
    QString m_skinDirectory;
    QString m_skinName;
    // The chosen external skin's folder; empty when the chosen skin is a stored one.
    QString m_skinFolder;
    bool m_skinnedPopups = false;
    bool m_loading = false;
    std::unique_ptr<SkinMenuHook> m_menuSkinner;
};
