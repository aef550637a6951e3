#include "app/tform14.h"

#include "app/photowindowmetrics.h"
#include "app/topictree.h"
#include "app/tform1.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/guarded.h"
#include "platform/picture.h"
#include "platform/pictureview.h"
#include "platform/programfolder.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTreeWidgetItem>

TForm14* Form14 = nullptr;

TForm14::TForm14()
    : Form(QStringLiteral("Form14"), QStringLiteral("Фотографии"), metrics::photoWindow::frame),
      ImageList1{quillIcon()}
{}

void TForm14::createControls()
{
    TreeView1 = new TsTreeView(client());
    Image1 = new PictureView(client());
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setFixedWidth(metrics::photoWindow::treeWidth);
    setUpTopicTree(TreeView1);
    TreeView1->hide();
    TreeView1->setAccessibleName(QStringLiteral("Темы фотографий"));
    TreeView1->installEventFilter(this);
    TreeView1->viewport()->installEventFilter(this);

    Image1->setObjectName(QStringLiteral("Image1"));

    auto* layout = new QHBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TreeView1);
    layout->addWidget(Image1, 1);
    sSkinProvider1 = new TsSkinProvider(this);
}

void TForm14::showWithFreshTree()
{
    TreeView1->show();
    TreeView1->clear();
    show();
    raise();
    Table* photos = DataModule2->ADOTable2;
    photos->first();
    const int count = photos->recordCount();
    for (int index = 0; index < count; ++index) {
        addTopicEntry(TreeView1, photos->fieldAsText(QStringLiteral("tema")), ImageList1.first());
        photos->next();
    }
    Form1->hide();
}

void TForm14::TreeView1Click()
{
    QTreeWidgetItem* selected = TreeView1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    const QString folder = programFolder();
    Table* photos = DataModule2->ADOTable2;
    photos->locate(QStringLiteral("tema"), selected->text(0), Table::CaseInsensitive | Table::PartialKey);
    const QString file = photos->fieldValue(QStringLiteral("file")).toText();
    Image1->setPicture(Picture::load(folder + QStringLiteral("Teoria\\foto\\") + file));
}

bool TForm14::eventFilter(QObject* watched, QEvent* event)
{
    // Only a click opens a photo; the press has selected the entry under the pointer by the time
    // the button is let go, and moves with the keys open nothing.
    if (watched == TreeView1->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        guarded([this] { TreeView1Click(); });
    // Enter opens the marked photo, as a click does; the arrows still only move.
    if (watched == TreeView1 && isEnterKey(event)) {
        guarded([this] { TreeView1Click(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}
