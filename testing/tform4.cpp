#include "testing/tform4.h"

#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "platform/metrics.h"
#include "platform/randomsource.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "testing/headingfont.h"
#include "testing/tform5.h"

#include <QSet>

TForm4* Form4 = nullptr;

namespace {
// The question numbers a draw from 0 to the bank's size can name.
QSet<qint64> numbersInDrawRange(const Table* questions)
{
    const int count = questions->recordCount();
    const int nom = questions->fieldIndex(QStringLiteral("nom"));
    QSet<qint64> numbers;
    for (int record = 0; record < count; ++record) {
        const FieldValue number = questions->valueAt(record, nom);
        if (number.kind() == FieldValue::Kind::Integer && number.toInteger() >= 0 && number.toInteger() <= count)
            numbers.insert(number.toInteger());
    }
    return numbers;
}
} // namespace

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
    connect(sButton1, &TsButton::clicked, this, [this] { guarded([this] { sButton1Click(); }); });
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

    Table* testing = DataModule2->ADOTable5;
    testing->first();
    const int oldEntries = testing->recordCount();
    for (int entry = 0; entry < oldEntries; ++entry)
        testing->deleteRecord();

    Table* questions = DataModule2->ADOTable1;
    questions->first();
    const QSet<qint64> named = numbersInDrawRange(questions);
    // A run that draws its own questions draws a question already in the test again, as long as
    // the bank has others left to give.
    const bool distinct = DataModule2->ownDrawsPerRun();
    QSet<qint64> taken;
    for (int position = 1; position <= questionsPerTest; ++position) {
        const QString caption = QString::number(position);
        Form5->sTreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(caption)));
        testing->insert();
        testing->setFieldValue(QStringLiteral("nom"), caption);
        // Drawn from 0 to the number of questions inclusive, so 0 and the count itself can come up.
        const auto range = static_cast<quint32>(questions->recordCount()) + 1;
        qint64 drawn = programRandom().draw(range);
        // A number that names no question would show one question and grade another, so it is
        // drawn again from the same sequence; a bank without such numbers keeps the first draw.
        const qint64 available = named.isEmpty() ? range : named.size();
        while ((!named.isEmpty() && !named.contains(drawn))
               || (distinct && taken.size() < available && taken.contains(drawn)))
            drawn = programRandom().draw(range);
        taken.insert(drawn);
        testing->setFieldValue(QStringLiteral("nom1"), FieldValue(drawn));
        testing->post();
        questions->next();
    }
}
