#include "skin/controls/tssystemmenu.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "platform/guarded.h"

#include <QKeySequence>
#include <QWindow>

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : QMenu(nullptr), m_provider(provider)
{
    setObjectName(QStringLiteral("SystemMenu"));
    m_restore = addCommand(QStringLiteral("ItemRestore"), QStringLiteral("Restore"));
    m_move = addCommand(QStringLiteral("ItemMove"), QStringLiteral("Move"));
    m_size = addCommand(QStringLiteral("Itemsize"), QStringLiteral("Size"));
    m_minimize = addCommand(QStringLiteral("ItemMinimize"), QStringLiteral("Minimize"));
    m_maximize = addCommand(QStringLiteral("ItemMaximize"), QStringLiteral("Maximize"));
    m_separator = addSeparator();
    m_close = addCommand(QStringLiteral("ItemClose"), QStringLiteral("Close"));
    m_close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    Form* form = provider->form();
    connectGuarded(m_restore, &QAction::triggered, this, [form] { form->showNormal(); });
    connectGuarded(m_move, &QAction::triggered, this, [form] {
        if (QWindow* window = form->windowHandle())
            window->startSystemMove();
    });
    connectGuarded(m_size, &QAction::triggered, this, [form] {
        if (QWindow* window = form->windowHandle())
            window->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
    });
    connectGuarded(m_minimize, &QAction::triggered, this,
                   [provider] { provider->clickTitleButton(TitleButton::Minimize); });
    connectGuarded(m_maximize, &QAction::triggered, this,
                   [provider] { provider->clickTitleButton(TitleButton::Maximize); });
    connectGuarded(m_close, &QAction::triggered, this, [provider] { provider->clickTitleButton(TitleButton::Close); });
    connectGuarded(this, &QMenu::aboutToShow, this, [this] {
        refresh();
        rebuildSkinItem();
    });
    refresh();
}

QAction* TsSystemMenu::addCommand(const QString& name, const QString& caption)
{
    QAction* action = addAction(caption);
    action->setObjectName(name);
    return action;
}

void TsSystemMenu::openAt(QPoint at)
{
    popup(at);
    for (QAction* action : actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
            setActiveAction(action);
            return;
        }
}

void TsSystemMenu::refresh()
{
    const BorderIcons icons = m_provider->borderIcons();
    const Qt::WindowStates state = m_provider->form()->windowState();
    const bool maximized = state & Qt::WindowMaximized;
    const bool minimized = state & Qt::WindowMinimized;
    const bool systemMenu = icons & biSystemMenu;
    // Every window of the program has a sizeable border.
    m_restore->setVisible(systemMenu);
    m_restore->setEnabled((icons & biMaximize) && (maximized || minimized));
    m_move->setEnabled(!maximized);
    m_minimize->setVisible(systemMenu);
    m_minimize->setEnabled((icons & biMinimize) && !minimized);
    m_maximize->setVisible(systemMenu);
    m_maximize->setEnabled((icons & biMaximize) && !maximized);
    m_separator->setVisible(systemMenu);
    m_close->setVisible(systemMenu);
}

void TsSystemMenu::rebuildSkinItem()
{
    if (m_skinMenu) {
        removeAction(m_skinMenu->menuAction());
        removeAction(m_skinSeparator);
        delete m_skinMenu;
        delete m_skinSeparator;
        m_skinMenu = nullptr;
        m_skinSeparator = nullptr;
    }
    TsSkinManager* manager = skinData().mainManager;
    if (!m_provider->MakeSkinMenu || !manager)
        return;
    QStringList skins;
    manager->ListSkins(skins);
    if (skins.isEmpty())
        return;
    m_skinMenu = new QMenu(QStringLiteral("Available skins"), this);
    m_skinMenu->menuAction()->setObjectName(QStringLiteral("SkinSelectItem"));
    for (const QString& skin : skins) {
        QAction* item = m_skinMenu->addAction(skin);
        item->setCheckable(true);
        item->setChecked(skin.compare(manager->SkinName(), Qt::CaseInsensitive) == 0);
        connectGuarded(item, &QAction::triggered, this, [this, skin] { chooseSkin(skin); });
    }
    QAction* first = actions().value(0);
    insertMenu(first, m_skinMenu);
    m_skinSeparator = new QAction(this);
    m_skinSeparator->setSeparator(true);
    insertAction(first, m_skinSeparator);
}

void TsSystemMenu::chooseSkin(const QString& caption)
{
    TsSkinManager* manager = skinData().mainManager;
    if (!manager)
        return;
    manager->setSkinName(QString(caption).remove(QLatin1Char('&')));
    manager->setActive(true);
}
