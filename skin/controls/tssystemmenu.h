#pragma once

#include <QMenu>

class QAction;
class TsSkinProvider;

// The window menu of a skinned window: restore, move, size, minimise, maximise and close, enabled
// as the window's state and border icons allow, with the skins to choose from at its top.
class TsSystemMenu : public QMenu {
    Q_OBJECT

public:
    explicit TsSystemMenu(TsSkinProvider* provider);

    // Pops up at the point on the screen with its first command chosen, as the desktop's window
    // menu does: a screen reader's focus goes with it into the menu rather than staying on the
    // window beneath.
    void openAt(QPoint at);
    // Shows and enables the items for the window as it is now.
    void refresh();
    // Rebuilds the "Available skins" item from the skins the main skin manager lists; it is left
    // out when there is none or the provider does not want it.
    void rebuildSkinItem();

private:
    QAction* addCommand(const QString& name, const QString& caption);
    void chooseSkin(const QString& caption);

    TsSkinProvider* m_provider;
    QMenu* m_skinMenu = nullptr;
    QAction* m_skinSeparator = nullptr;
    QAction* m_restore;
    QAction* m_move;
    QAction* m_size;
    QAction* m_minimize;
    QAction* m_maximize;
    QAction* m_separator;
    QAction* m_close;
};
