#include "app/topictree.h"

#include "app/topictreemetrics.h"
#include "platform/metrics.h"
#include "resources/icons/quill.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPixmap>
#include <QTreeWidget>

void setUpTopicTree(QTreeWidget* tree)
{
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setIndentation(metrics::topicTree::indentation);
    tree->setFont(QFont(QStringLiteral("MS Sans Serif"), metrics::topicTree::fontPointSize));
    tree->setIconSize(QSize(metrics::smallIconSize, metrics::smallIconSize));
    tree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    QPalette white = tree->palette();
    white.setColor(QPalette::Base, Qt::white);
    tree->setPalette(white);
}

QTreeWidgetItem* addTopicEntry(QTreeWidget* tree, const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(tree, QStringList{text});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0, icon);
    return item;
}

QIcon quillIcon()
{
    return QIcon(QPixmap::fromImage(quillImage(metrics::smallIconSize)));
}

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
