#include "testing/tform4.h"

#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/guarded.h"
#include "platform/metrics.h"
#include "platform/randomsource.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "testing/headingfont.h"
#include "testing/tform5.h"

TForm4* Form4 = nullptr;

TForm4::TForm4()
    : Form(QStringLiteral("Form4"), QStringLiteral("Регистрация"), metrics::registrationWindow::frame)
    , Label1(new TsLabel(client()))
    , Edit1(new TsEdit(client()))
    , sButton1(new TsButton(client()))
{
    using namespace metrics::registrationWindow;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Введите ваше ФИО:"));
    Label1->setFont(headingFont());
    Label1->move(nameLabel);
    Label1->adjustSize();
    Label1->setBuddy(Edit1);

    Edit1->setObjectName(QStringLiteral("Edit1"));
    const int editLeft = Label1->geometry().right() + nameEditGap;
    Edit1->setGeometry(editLeft, nameEditTop, width() - editLeft - nameEditRightMargin, nameEditHeight);

    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Начать тестирование"));
    sButton1->setGeometry(0, startButtonTop, width(), height() - startButtonTop);
    connect(sButton1, &TsButton::clicked, this, [this] { guarded([this] { sButton1Click(); }); });
    connect(Edit1, &TsEdit::returnPressed, sButton1, &TsButton::click);
    sSkinProvider1 = new TsSkinProvider(this);
}

void TForm4::sButton1Click()
{
    close();
    Form5->sTreeView1->clear();
    Form5->show();

    Table* testing = DataModule2->ADOTable5;
    testing->first();
    const int oldEntries = testing->recordCount();
    for (int entry = 0; entry < oldEntries; ++entry)
        testing->deleteRecord();

    Table* questions = DataModule2->ADOTable1;
    questions->first();
    for (int position = 1; position <= questionsPerTest; ++position) {
        const QString caption = QString::number(position);
        Form5->sTreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(caption)));
        testing->insert();
        testing->setFieldValue(QStringLiteral("nom"), caption);
        // Drawn from 0 to the number of questions inclusive, so 0 and the count itself can come up.
        const auto range = static_cast<quint32>(questions->recordCount()) + 1;
        testing->setFieldValue(QStringLiteral("nom1"), FieldValue(static_cast<qint64>(programRandom().draw(range))));
        testing->post();
        questions->next();
    }
}
