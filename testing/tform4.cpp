#include "testing/tform4.h"

#include "data/connectionlost.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "testing/headingfont.h"
#include "testing/registrationwindowmetrics.h"
#include "testing/testdraw.h"
#include "testing/tform5.h"

TForm4* Form4 = nullptr;

const QString TForm4::noServerMessage =
    QStringLiteral("Нет связи с сервером курса: тест не может начаться. Попробуйте ещё раз немного позже.\n\n");

const QString TForm4::readOnlyCourseMessage =
    QStringLiteral("Курс открыт только для чтения: ответы нельзя сохранить. Тестирование недоступно.");

TForm4::TForm4() : Form(QStringLiteral("Form4"), QStringLiteral("Регистрация"), metrics::registrationWindow::frame)
{}

void TForm4::createControls()
{
    Label1 = new TsLabel(client());
    Edit1 = new TsEdit(client());
    sButton1 = new TsButton(client());
    using namespace metrics::registrationWindow;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Введите ваше ФИО:"));
    Label1->setFont(headingFont());
    Label1->move(nameLabel);
    Label1->adjustSize();
    Label1->setBuddy(Edit1);

    Edit1->setObjectName(QStringLiteral("Edit1"));
    // A name longer than the result's field would be cut when stored: the box refuses it as it
    // is typed instead.
    const Table* results = DataModule2->ADOTable6;
    const int nameField = results->fieldIndex(QStringLiteral("fio"));
    if (nameField >= 0 && results->fields()[nameField].size > 0)
        Edit1->setMaxLength(results->fields()[nameField].size);
    const int editLeft = Label1->geometry().right() + nameEditGap;
    Edit1->setGeometry(editLeft, nameEditTop, width() - editLeft - nameEditRightMargin, nameEditHeight);

    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Начать тестирование"));
    sButton1->setGeometry(0, startButtonTop, width(), height() - startButtonTop);
    connectGuarded(sButton1, &TsButton::clicked, this, &TForm4::sButton1Click);
    connect(Edit1, &TsEdit::returnPressed, sButton1, &TsButton::click);
    sSkinProvider1 = new TsSkinProvider(this);
}

void TForm4::sButton1Click()
{
    close();
    // Answers that cannot be stored would look chosen and count for nothing: no test is started.
    if (!DataModule2->ADOTable5->canModify() || !DataModule2->ADOTable6->canModify()) {
        showMessageBox({applicationTitle(), readOnlyCourseMessage, MessageIcon::Warning});
        return;
    }
    Form5->sTreeView1->clear();
    Form5->show();
    try {
        DataModule2->beginTest();
        drawTestSet(questionsPerTest, [](const QString& caption) {
            Form5->sTreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(caption)));
        });
    } catch (const ConnectionLost& lost) {
        // Without the server there is no test set to answer: the student tries again later.
        Form5->close();
        throw AppError(noServerMessage + lost.message());
    }
}
