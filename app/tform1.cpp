#include "app/tform1.h"

#include "app/tform3.h"
#include "data/tdatamodule2.h"
#include "data/table.h"
#include "platform/guarded.h"
#include "platform/jpegdecoder.h"
#include "platform/metrics.h"
#include "platform/pictureview.h"
#include "resources/resourcepaths.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/startskinmanager.h"
#include "skin/core/tsskinmanager.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tstreeview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {
QImage loadCoverPicture()
{
    QFile file(resources::coverPicture());
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The cover picture is missing from the program"));
    return decodeJpeg(file.readAll());
}
} // namespace

TForm1::TForm1()
    : Form(QStringLiteral("Form1"), QStringLiteral("Электронный учебник"), metrics::startWindow::frame),
      Image2(new PictureView(client())),
      sSkinManager1(new TsSkinManager(this))
{
    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    guarded([this] { loadStartSkinManager(sSkinManager1); });
    sSkinProvider1 = new TsSkinProvider(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setProportional(true);
    auto* layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image2);
    guarded([this] { Image2->setPicture(loadCoverPicture()); });
    connect(Image2, &PictureView::mousePressed, this, [this] { guarded([this] { Image2MouseDown(); }); });
}

void TForm1::Image2MouseDown()
{
    Form3->TreeView1->clear();
    Form3->show();
    Table* lectures = DataModule2->ADOTable3;
    lectures->first();
    const int count = lectures->recordCount();
    for (int index = 0; index < count; ++index) {
        Form3->addTopic(lectures->fieldAsText(QStringLiteral("tema")));
        lectures->next();
    }
    hide();
    Form3->Panel1->hide();
    Form3->Panel2->hide();
}

void TForm1::FormClose()
{
    TDataModule2* data = DataModule2;
    for (Table* table : {data->ADOTable1, data->tblMedia, data->ADOTable2, data->ADOTable3, data->ADOTable4,
                         data->ADOTable5, data->ADOTable6, data->ADOTable7})
        table->close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    guarded([this] { FormClose(); });
    event->accept();
    QApplication::exit(0);
}
