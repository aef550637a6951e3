#include "testing/tform5.h"

#include "data/connection.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "testing/answeringwindowmetrics.h"
#include "testing/grading.h"
#include "testing/headingfont.h"
#include "testing/tform4.h"
#include "testing/tform6.h"

#include <QDate>
#include <QSignalBlocker>

TForm5* Form5 = nullptr;

namespace {
const QStringList answerLetters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                                QStringLiteral("E")};
const QString nomField = QStringLiteral("nom");
const QString otvField = QStringLiteral("otv");
const QString caption = QStringLiteral("Тестирование");
} // namespace

const QString TForm5::answersKeptMessage =
    QStringLiteral("Нет связи с сервером курса. Ваши ответы сохраняются на этом компьютере и будут отправлены, "
                   "когда связь вернётся; можно отвечать дальше.");
const QString TForm5::handInQueuedMessage =
    QStringLiteral("Нет связи с сервером курса. Тест сдан и сохранён на этом компьютере; он будет отправлен и "
                   "проверен, когда связь вернётся, даже если программу закрыть. Оценка появится тогда.");
const QString TForm5::handInDeliveredMessage =
    QStringLiteral("Связь с сервером вернулась: тест (%1) проверен и сохранён, оценка %2.");
const QString TForm5::handInRefusedMessage = QStringLiteral("Сервер курса не принял тест (%1): %2");
const QString TForm5::offlineCaption = QStringLiteral("Тестирование — нет связи с сервером, ответы хранятся здесь");

TForm5::TForm5() : Form(QStringLiteral("Form5"), caption, metrics::answeringWindow::frame)
{}

void TForm5::createControls()
{
    sTreeView1 = new TsTreeView(client());
    Label1 = new TsLabel(client());
    sMemo1 = new TsMemo(client());
    sRadioGroup1 = new TsRadioGroup(client());
    sButton1 = new TsButton(client());
    using namespace metrics::answeringWindow;

    sTreeView1->setObjectName(QStringLiteral("sTreeView1"));
    sTreeView1->setHeaderHidden(true);
    sTreeView1->setRootIsDecorated(false);
    sTreeView1->setColumnCount(1);
    sTreeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sTreeView1->setAccessibleName(QStringLiteral("Вопросы теста"));
    connectGuarded(sTreeView1, &TsTreeView::currentItemChanged, this, &TForm5::sTreeView1Change);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(headingFont());
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("Вопросы:"));

    sMemo1->setObjectName(QStringLiteral("sMemo1"));
    sMemo1->setAccessibleName(QStringLiteral("Текст вопроса"));
    // The student reads the question and goes on to the letters with Tab; typing into it would
    // change nothing that counts.
    sMemo1->setReadOnly(true);
    sMemo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sMemo1->setTabChangesFocus(true);

    sRadioGroup1->setObjectName(QStringLiteral("sRadioGroup1"));
    sRadioGroup1->setTitle(QStringLiteral("Варианты ответов"));
    sRadioGroup1->setColumns(answerColumns);
    sRadioGroup1->setItems(answerLetters);
    // Until a position is shown there is no entry an answer could belong to.
    sRadioGroup1->setEnabled(false);
    connectGuarded(sRadioGroup1, &TsRadioGroup::itemClicked, this, &TForm5::RadioGroup1Click);
    // The letters are made after the button; Tab still goes from the text to the letters.
    QWidget::setTabOrder(sMemo1, sRadioGroup1->buttons().first());
    QWidget::setTabOrder(sRadioGroup1->buttons().last(), sButton1);

    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Сдать тест"));
    connectGuarded(sButton1, &TsButton::clicked, this, &TForm5::sButton1Click);
    sSkinProvider1 = new TsSkinProvider(this);

    client()->setMinimumSize(minimumClient);
    client()->installEventFilter(this);
    connectGuarded(DataModule2, &TDataModule2::serverReachableChanged, this, &TForm5::showServerReachable);
    connectGuarded(DataModule2, &TDataModule2::handInDelivered, this, &TForm5::showDelivered);
    // The client takes the window's size once the window's layout first runs.
    arrange(size());
}

void TForm5::arrange(const QSize& area)
{
    // At the designed size the controls stand where they were designed; a window shrunk to fit a
    // small screen narrows and shortens the question text, keeping the letters and "Сдать тест"
    // in reach along the bottom.
    using namespace metrics::answeringWindow;
    const QSize designed = clientSizeForOuter(frame.size());
    const int rightMargin = designed.width() - question.right() - 1;
    const int answersBelow = designed.height() - buttonHeight - answers.bottom() - 1;
    const int questionBelow = answers.top() - question.bottom() - 1;
    const int textWidth = area.width() - question.left() - rightMargin;
    const int buttonTop = area.height() - buttonHeight;
    const int answersTop = buttonTop - answersBelow - answers.height();

    sTreeView1->setGeometry(0, 0, listWidth, buttonTop);
    Label1->setGeometry(heading.left(), heading.top(), textWidth, heading.height());
    sMemo1->setGeometry(question.left(), question.top(), textWidth, answersTop - questionBelow - question.top());
    sRadioGroup1->setGeometry(answers.left(), answersTop, textWidth, answers.height());
    sButton1->setGeometry(0, buttonTop, area.width(), buttonHeight);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client() && event->type() == QEvent::Resize)
        arrange(client()->size());
    return Form::eventFilter(watched, event);
}

void TForm5::sTreeView1Change()
{
    QTreeWidgetItem* entry = sTreeView1->currentItem();
    sRadioGroup1->setEnabled(entry != nullptr);
    if (!entry) {
        shownPosition_.clear();
        return;
    }
    // The list makes its first entry current on getting the focus without selecting it; the
    // entry shown is the one marked.
    sTreeView1->setCurrentItem(entry);
    const QString position = entry->text(0);
    try {
        showPosition(position);
    } catch (...) {
        // The window stays wholly on the position it showed, so that a letter chosen next goes
        // with the question on screen. A click marks the clicked entry once this handler is
        // done, so the mark is put back again after it.
        markShownEntry();
        QMetaObject::invokeMethod(
            this, [this] { markShownEntry(); }, Qt::QueuedConnection);
        sRadioGroup1->setEnabled(!shownPosition_.isEmpty());
        throw;
    }
}

void TForm5::showPosition(const QString& position)
{
    // Everything is read before anything on screen changes: a failure halfway leaves the label,
    // the text and the letters of the position shown before.
    Table* testing = DataModule2->ADOTable5;
    Table* questions = DataModule2->ADOTable1;
    testing->locate(nomField, position, Table::CaseInsensitive | Table::PartialKey);
    const qint64 question = FieldValue(testing->fieldValue(QStringLiteral("nom1")).toText()).toInteger();
    // A number no question has leaves the cursor, and so the text shown, where it was.
    questions->locate(nomField, FieldValue(question), Table::CaseInsensitive | Table::PartialKey);
    const QString text = questions->fieldValue(QStringLiteral("test")).toText();
    FieldValue given = testing->fieldValue(otvField);
    // On a server the journal knows the letters given, reached there or not.
    if (const std::optional<QString> kept = DataModule2->givenAnswer(position))
        given = *kept;

    shownPosition_ = position;
    Label1->setText(QStringLiteral("Вопрос №") + position);
    sMemo1->setPlainText(text);
    sRadioGroup1->setItemIndex(-1);
    if (!given.isNull())
        sRadioGroup1->setItemIndex(answerLetters.indexOf(given.asText()));
    shownAnswer_ = sRadioGroup1->itemIndex();
}

void TForm5::markShownEntry()
{
    const QSignalBlocker quiet(sTreeView1);
    const QList<QTreeWidgetItem*> shown = sTreeView1->findItems(shownPosition_, Qt::MatchExactly);
    if (shown.isEmpty()) {
        sTreeView1->clearSelection();
        sTreeView1->setCurrentItem(nullptr);
    } else {
        sTreeView1->setCurrentItem(shown.first());
    }
}

void TForm5::RadioGroup1Click()
{
    if (DataModule2->ADOConnection1->isServer()) {
        storeAnswerOnServer(answerLetters.value(sRadioGroup1->itemIndex()));
        return;
    }
    Table* testing = DataModule2->ADOTable5;
    try {
        // A failed move can have left the cursor elsewhere; the answer belongs to the position shown.
        if (testing->fieldValue(nomField).asText() != shownPosition_)
            testing->locate(nomField, shownPosition_, Table::CaseInsensitive | Table::PartialKey);
        testing->edit();
        testing->setFieldValue(otvField, answerLetters.value(sRadioGroup1->itemIndex()));
    } catch (...) {
        // The letters show what is stored for the position, not a choice that went nowhere.
        const QSignalBlocker quiet(sRadioGroup1);
        sRadioGroup1->setItemIndex(shownAnswer_);
        throw;
    }
    shownAnswer_ = sRadioGroup1->itemIndex();
}

void TForm5::storeAnswerOnServer(const QString& letter)
{
    if (shownPosition_.isEmpty())
        return;
    shownAnswer_ = sRadioGroup1->itemIndex();
    if (DataModule2->storeAnswer(shownPosition_, letter) || toldOffline_)
        return;
    toldOffline_ = true;
    setWindowTitle(offlineCaption);
    showMessageBox({applicationTitle(), answersKeptMessage, MessageIcon::Warning});
}

void TForm5::showServerReachable(bool reachable)
{
    if (!reachable)
        return;
    // Told again the next time the server goes away.
    toldOffline_ = false;
    setWindowTitle(caption);
}

void TForm5::showDelivered(const DeliveredHandIn& handIn)
{
    if (!handIn.refusal.isEmpty()) {
        showMessageBox({applicationTitle(), handInRefusedMessage.arg(handIn.name, handIn.refusal), MessageIcon::Error});
        return;
    }
    const Grade grade = gradeFor(handIn.correct, TForm4::questionsPerTest);
    if (handIn.session == queuedSession_) {
        queuedSession_.clear();
        Form6->showResult(handIn.name, TForm4::questionsPerTest, handIn.correct, grade);
        Form6->setResultStored(true);
    }
    showMessageBox(
        {applicationTitle(), handInDeliveredMessage.arg(handIn.name, grade.letterText), MessageIcon::Information});
}

void TForm5::sButton1Click()
{
    const QString name = Form4->Edit1->text();
    if (DataModule2->ADOConnection1->isServer()) {
        handInToServer(name);
        return;
    }
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

    close();
    Form6->show();
    Form6->showResult(name, TForm4::questionsPerTest, correct, grade);
    // Until the record is in, the window says so: a grade on screen must not look stored.
    Form6->setResultStored(false);

    Table* results = DataModule2->ADOTable6;
    try {
        results->insert();
        results->setFieldValue(QStringLiteral("fio"), name);
        results->setFieldValue(QStringLiteral("data"), QDate::currentDate());
        results->setFieldValue(QStringLiteral("kol"), TForm4::questionsPerTest);
        results->setFieldValue(QStringLiteral("ocenka"), grade.letter);
        results->post();
    } catch (...) {
        // Left pending, the record would be stored by some later move after the window said it
        // was not.
        if (results->isOpen())
            results->cancel();
        throw;
    }
    Form6->setResultStored(true);
}

void TForm5::handInToServer(const QString& name)
{
    // A student's program never sees the correct letters: the server grades and stores.
    const QString session = DataModule2->session();
    const std::optional<int> correct = DataModule2->handIn(name);
    close();
    Form6->show();
    if (!correct) {
        queuedSession_ = session;
        Form6->showQueued(name, TForm4::questionsPerTest);
        showMessageBox({applicationTitle(), handInQueuedMessage, MessageIcon::Warning});
        return;
    }
    Form6->showResult(name, TForm4::questionsPerTest, *correct, gradeFor(*correct, TForm4::questionsPerTest));
    Form6->setResultStored(true);
}
