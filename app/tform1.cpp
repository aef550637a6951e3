#include "app/tform1.h"

#include "app/coveraccessible.h"
#include "app/startwindowmetrics.h"
#include "app/tform3.h"
#include "data/tdatamodule2.h"
#include "data/table.h"
#include "platform/guarded.h"
#include "platform/picture.h"
#include "platform/pictureview.h"
#include "resources/resourcepaths.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/startskinmanager.h"
#include "skin/core/tsskinmanager.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tstreeview.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QFile>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {
Picture loadCoverPicture()
{
    QFile file(resources::coverPicture());
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The cover picture is missing from the program"));
    // In the screen's own pixel format: drawn scaled at every paint, a 24-bit picture would be
    // converted pixel by pixel each time. Decoded while the rest of start-up goes on.
    return Picture::decodeAhead(file.readAll(), QImage::Format_RGB32);
}
} // namespace

TForm1::TForm1()
    : Form(QStringLiteral("Form1"), QStringLiteral("Электронный учебник"), metrics::startWindow::frame),
      Image2(new PictureView(client())),
      sSkinManager1(new TsSkinManager(this))
{
    // Before the cover is first described to anyone, which naming it already does.
    QAccessible::installFactory(&CoverAccessible::factory);
    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    guarded([this] { loadStartSkinManager(sSkinManager1); });
    sSkinProvider1 = new TsSkinProvider(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setProportional(true);
    auto* layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image2);
    guarded([this] { Image2->setPicture(loadCoverPicture()); });
    connectGuarded(Image2, &PictureView::mousePressed, this, &TForm1::Image2MouseDown);

    // The cover is the start window's only control: it takes the focus, Enter and Space press it,
    // and a screen reader hears of a button named by the window's caption.
    Image2->setFocusPolicy(Qt::StrongFocus);
    Image2->setAccessibleName(windowTitle());
    Image2->installEventFilter(this);
    setStartWindow(this);
}

TForm1::~TForm1()
{
    QAccessible::removeFactory(&CoverAccessible::factory);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            guarded([this] { Image2MouseDown(); });
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void TForm1::Image2MouseDown()
{
    // Every way to the other windows starts here, so they all get their controls now at the
    // latest, should the press come before start-up has built them.
    Form::ensureAllControls();
    // "Выход" closed most tables and led back here; the student simply goes on from the cover.
    DataModule2->openClosedTables();
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
