#include "app/tform3.h"

#include "skin/controls/tspanel.h"
#include "skin/controls/tstreeview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

TForm3* Form3 = nullptr;

TForm3::TForm3()
    : Form(QStringLiteral("Form3"), QStringLiteral("Вестория"), QRect(0, 0, 1009, 601)),
      Panel1(new TsPanel(client())),
      TreeView1(new TsTreeView(Panel1)),
      Panel2(new TsPanel(client()))
{
    Panel1->setObjectName(QStringLiteral("Panel1"));
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel1->setFixedWidth(289);
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setIndentation(19);
    TreeView1->hide();

    auto* treeLayout = new QVBoxLayout(Panel1);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(TreeView1);

    auto* layout = new QHBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2, 1);
}

void TForm3::addTopic(const QString& text)
{
    auto* item = new QTreeWidgetItem(TreeView1, QStringList{text});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
}

void TForm3::showEvent(QShowEvent* event)
{
    if (QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    Form::showEvent(event);
}
