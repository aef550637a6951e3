#include "testing/tform5.h"

#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/guarded.h"
#include "platform/metrics.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "testing/grading.h"
#include "testing/headingfont.h"
#include "testing/tform4.h"
#include "testing/tform6.h"

#include <QDate>

TForm5* Form5 = nullptr;

namespace {
const QStringList answerLetters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                                QStringLiteral("E")};
const QString nomField = QStringLiteral("nom");
const QString otvField = QStringLiteral("otv");
} // namespace

TForm5::TForm5()
    : Form(QStringLiteral("Form5"), QStringLiteral("Тестирование"), metrics::answeringWindow::frame)
    , sTreeView1(new TsTreeView(client()))
    , Label1(new TsLabel(client()))
    , sMemo1(new TsMemo(client()))
    , sRadioGroup1(new TsRadioGroup(client()))
    , sButton1(new TsButton(client()))
{
    using namespace metrics::answeringWindow;
    const int listHeight = height() - buttonHeight;

    sTreeView1->setObjectName(QStringLiteral("sTreeView1"));
    sTreeView1->setGeometry(0, 0, listWidth, listHeight);
    sTreeView1->setHeaderHidden(true);
    sTreeView1->setRootIsDecorated(false);
    sTreeView1->setColumnCount(1);
    sTreeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(sTreeView1, &TsTreeView::currentItemChanged, this, [this] { guarded([this] { sTreeView1Change(); }); });

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(headingFont());
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("Вопросы:"));
    Label1->setGeometry(heading);

    sMemo1->setObjectName(QStringLiteral("sMemo1"));
    sMemo1->setGeometry(question);

    sRadioGroup1->setObjectName(QStringLiteral("sRadioGroup1"));
    sRadioGroup1->setTitle(QStringLiteral("Варианты ответов"));
    sRadioGroup1->setGeometry(answers);
    sRadioGroup1->setColumns(answerColumns);
    sRadioGroup1->setItems(answerLetters);
    // Until a position is shown there is no entry an answer could belong to.
    sRadioGroup1->setEnabled(false);
    connect(sRadioGroup1, &TsRadioGroup::itemClicked, this, [this] { guarded([this] { RadioGroup1Click(); }); });

    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Сдать тест"));
    sButton1->setGeometry(0, listHeight, width(), buttonHeight);
    connect(sButton1, &TsButton::clicked, this, [this] { guarded([this] { sButton1Click(); }); });
    sSkinProvider1 = new TsSkinProvider(this);
}

void TForm5::sTreeView1Change()
{
    QTreeWidgetItem* entry = sTreeView1->currentItem();
    sRadioGroup1->setEnabled(entry != nullptr);
    if (!entry)
        return;
    // The list makes its first entry current on getting the focus without selecting it; the
    // entry shown is the one marked.
    sTreeView1->setCurrentItem(entry);
    const QString position = entry->text(0);
    Label1->setText(QStringLiteral("Вопрос №") + position);

    Table* testing = DataModule2->ADOTable5;
    Table* questions = DataModule2->ADOTable1;
    testing->locate(nomField, position, Table::CaseInsensitive | Table::PartialKey);
    const qint64 question = FieldValue(testing->fieldValue(QStringLiteral("nom1")).toText()).toInteger();
    // A number no question has leaves the cursor, and so the text shown, where it was.
    questions->locate(nomField, FieldValue(question), Table::CaseInsensitive | Table::PartialKey);
    sMemo1->setPlainText(questions->fieldValue(QStringLiteral("test")).toText());

    sRadioGroup1->setItemIndex(-1);
    const FieldValue given = testing->fieldValue(otvField);
    if (!given.isNull())
        sRadioGroup1->setItemIndex(answerLetters.indexOf(given.asText()));
}

void TForm5::RadioGroup1Click()
{
    Table* testing = DataModule2->ADOTable5;
    testing->edit();
    testing->setFieldValue(otvField, answerLetters.value(sRadioGroup1->itemIndex()));
}

void TForm5::sButton1Click()
{
    Table* testing = DataModule2->ADOTable5;
    Table* questions = DataModule2->ADOTable1;
    testing->first();
    int correct = 0;
    for (int pass = 0; pass < TForm4::questionsPerTest; ++pass) {
        questions->locate(nomField, testing->fieldValue(QStringLiteral("nom1")), Table::NoLocateOptions);
        if (answersMatch(testing->fieldValue(otvField), questions->fieldValue(otvField)))
            ++correct;
        testing->next();
    }
    const Grade grade = gradeFor(correct, TForm4::questionsPerTest);
    const QString name = Form4->Edit1->text();

    close();
    Form6->show();
    Form6->showResult(name, TForm4::questionsPerTest, correct, grade);

    Table* results = DataModule2->ADOTable6;
    results->insert();
    results->setFieldValue(QStringLiteral("fio"), name);
    results->setFieldValue(QStringLiteral("data"), QDate::currentDate());
    results->setFieldValue(QStringLiteral("kol"), TForm4::questionsPerTest);
    results->setFieldValue(QStringLiteral("ocenka"), grade.letter);
    results->post();
}
