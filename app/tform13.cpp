#include "app/tform13.h"

#include "app/multimediawindowmetrics.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/apperror.h"
#include "platform/guarded.h"
#include "platform/shellopen.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsskinprovider.h"

TForm13* Form13 = nullptr;

TForm13::TForm13() : Form(QStringLiteral("Form13"), QStringLiteral("Мультимедиа"), metrics::multimediaWindow::frame)
{}

void TForm13::createControls()
{
    sListBox1 = new TsListBox(client());
    sButton1 = new TsButton(client());
    sLabel1 = new TsLabel(client());
    sEdit2 = new TsEdit(client());
    sLabel2 = new TsLabel(client());
    sEdit3 = new TsEdit(client());
    sButton2 = new TsButton(client());
    sEdit1 = new TsEdit(client());
    using namespace metrics::multimediaWindow;
    sListBox1->setObjectName(QStringLiteral("sListBox1"));
    sListBox1->setAccessibleName(QStringLiteral("Мультимедиа"));
    sListBox1->SkinData.setSkinSection(QStringLiteral("EDIT"));
    sListBox1->setGeometry(list);
    sListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    sListBox1->setUniformItemSizes(true);
    sListBox1->setSortingEnabled(false);

    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Запустить"));
    sButton1->setGeometry(runButton);

    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setText(QStringLiteral("Тема: "));
    sLabel1->move(topicLabel);
    sLabel1->adjustSize();
    sEdit2->setObjectName(QStringLiteral("sEdit2"));
    sEdit2->setGeometry(topicEdit);
    sLabel1->setBuddy(sEdit2);

    sLabel2->setObjectName(QStringLiteral("sLabel2"));
    sLabel2->setText(QStringLiteral("Название файла:"));
    sLabel2->move(fileLabel);
    sLabel2->adjustSize();
    sEdit3->setObjectName(QStringLiteral("sEdit3"));
    sEdit3->setGeometry(fileEdit);
    sLabel2->setBuddy(sEdit3);

    sButton2->setObjectName(QStringLiteral("sButton2"));
    sButton2->setText(QStringLiteral("Добавить"));
    sButton2->setGeometry(addButton);

    sEdit1->setObjectName(QStringLiteral("sEdit1"));
    sEdit1->setText(QStringLiteral("sEdit1"));
    sEdit1->setGeometry(searchEdit);
    sEdit1->hide();

    connectGuarded(sButton1, &QPushButton::clicked, this, &TForm13::sButton1Click);
    connectGuarded(sButton2, &QPushButton::clicked, this, &TForm13::sButton2Click);
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider2 = new TsSkinProvider(this);
}

void TForm13::fillList()
{
    Table* media = DataModule2->tblMedia;
    media->first();
    const int count = media->recordCount();
    for (int index = 0; index < count; ++index) {
        auto* item = new QListWidgetItem(media->fieldValue(QStringLiteral("name")).toText(), sListBox1);
        item->setSizeHint(QSize(0, metrics::multimediaWindow::itemHeight));
        media->next();
    }
}

void TForm13::showWithFreshList()
{
    show();
    raise();
    sListBox1->clear();
    fillList();
    sEdit1->clear();
    sEdit2->clear();
    sEdit3->clear();
}

void TForm13::sButton1Click()
{
    const QListWidgetItem* current = sListBox1->currentItem();
    const int index = current && current->isSelected() ? sListBox1->currentRow() : -1;
    if (index < 0 || index >= sListBox1->count())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    sEdit1->setText(sListBox1->item(index)->text());
    Table* media = DataModule2->tblMedia;
    media->locate(QStringLiteral("name"), sEdit1->text(), Table::CaseInsensitive | Table::PartialKey);
    shellOpen(QStringLiteral("Teoria\\Media\\") + media->fieldValue(QStringLiteral("file")).toText());
}

void TForm13::sButton2Click()
{
    Table* media = DataModule2->tblMedia;
    media->insert();
    media->setFieldValue(QStringLiteral("name"), sEdit2->text());
    media->setFieldValue(QStringLiteral("file"), sEdit3->text());
    media->post();
    sEdit2->clear();
    sEdit3->clear();
    sListBox1->clear();
    media->refresh();
    fillList();
}
