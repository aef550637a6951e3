#include "testing/tform6.h"

#include "platform/screenfit.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsskinprovider.h"
#include "testing/grading.h"
#include "testing/headingfont.h"
#include "testing/resultwindowmetrics.h"

#include <QFontMetrics>
#include <algorithm>
#include <initializer_list>

TForm6* Form6 = nullptr;

const QString TForm6::notStoredCaption = QStringLiteral("Результаты тестирования — результат не сохранён");
const QString TForm6::queuedCaption = QStringLiteral("Результаты тестирования — ждёт связи с сервером");

namespace {
const QString caption = QStringLiteral("Результаты тестирования");

QFont lineFont()
{
    QFont font = headingFont();
    font.setBold(false);
    return font;
}

QPalette redText(QPalette palette)
{
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Text, Qt::red);
    return palette;
}
} // namespace

TForm6::TForm6() : Form(QStringLiteral("Form6"), caption, metrics::resultWindow::frame)
{}

void TForm6::createControls()
{
    sPanel1 = new TsPanel(client());
    Label1 = new TsLabel(sPanel1);
    Label2 = new TsLabel(sPanel1);
    Label3 = new TsLabel(sPanel1);
    Label4 = new TsLabel(sPanel1);
    Label5 = new TsLabel(sPanel1);
    Edit1 = new TsEdit(sPanel1);
    Edit2 = new TsEdit(sPanel1);
    Edit3 = new TsEdit(sPanel1);
    Edit4 = new TsEdit(sPanel1);
    using namespace metrics::resultWindow;
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setGeometry(rect());
    sPanel1->setFrameShape(QFrame::Panel);
    sPanel1->setFrameShadow(QFrame::Raised);

    const QList<TsLabel*> labels{Label1, Label2, Label3, Label4, Label5};
    const QStringList captions{
        QStringLiteral("Label1"),
        QStringLiteral("Всего") + QString(12, u' ') + QStringLiteral("вопроса (-ов)"),
        QStringLiteral("Вы ответили правильно на") + QString(13, u' ') + QStringLiteral("вопроса (-ов)"),
        QStringLiteral("Ваша оценка:"),
        QStringLiteral("Ваш балл:"),
    };
    for (int line = 0; line < labels.size(); ++line) {
        TsLabel* label = labels[line];
        label->setObjectName(QStringLiteral("Label%1").arg(line + 1));
        label->setTextFormat(Qt::PlainText);
        label->setFont(line == 0 ? headingFont() : lineFont());
        label->setText(captions[line]);
        label->setGeometry(leftMargin, firstLineTop + line * lineSpacing, sPanel1->width() - 2 * leftMargin,
                           lineHeight);
    }
    Label1->setPalette(redText(Label1->palette()));
    Label1->setWordWrap(true);

    const QList<TsEdit*> boxes{Edit1, Edit2, Edit3, Edit4};
    const QStringList boxNames{QStringLiteral("Всего вопросов"), QStringLiteral("Правильных ответов"),
                               QStringLiteral("Оценка"), QStringLiteral("Балл")};
    for (int index = 0; index < boxes.size(); ++index) {
        boxes[index]->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
        boxes[index]->setAccessibleName(boxNames[index]);
        boxes[index]->setFont(headingFont());
        boxes[index]->setPalette(redText(boxes[index]->palette()));
    }
    placeBox(Label2, Edit1, QStringLiteral("Всего"), 12);
    placeBox(Label3, Edit2, QStringLiteral("Вы ответили правильно на"), 13);
    placeBox(Label4, Edit3, Label4->text(), 0, markBoxWidth);
    placeBox(Label5, Edit4, Label5->text(), 0, scoreBoxWidth);
    sSkinProvider1 = new TsSkinProvider(this);
}

void TForm6::placeBox(TsLabel* label, TsEdit* box, const QString& lead, int blanks, int widthAfter)
{
    const QFontMetrics font(label->font());
    const int gap = metrics::resultWindow::boxGap;
    const int left = label->x() + font.horizontalAdvance(lead) + gap;
    const int width = blanks > 0 ? font.horizontalAdvance(QString(blanks, u' ')) - 2 * gap : widthAfter;
    box->setGeometry(left, label->y(), width, label->height());
}

void TForm6::showResult(const QString& name, int questions, int correct, const Grade& grade)
{
    Label1->setText(name);
    fitName();
    Edit1->setText(QString::number(questions));
    Edit2->setText(QString::number(correct));
    Edit3->setText(grade.mark);
    Edit4->setText(grade.letterText);
}

void TForm6::showQueued(const QString& name, int questions)
{
    Label1->setText(name);
    fitName();
    Edit1->setText(QString::number(questions));
    // The server grades: until it has the test there is nothing true to show here.
    for (TsEdit* box : {Edit2, Edit3, Edit4})
        box->clear();
    setWindowTitle(queuedCaption);
}

void TForm6::setResultStored(bool stored)
{
    setWindowTitle(stored ? caption : notStoredCaption);
}

void TForm6::fitName()
{
    // The whole name is shown, over as many lines as it takes; the lines below move down and the
    // window grows with them.
    const int nameHeight = std::max(metrics::resultWindow::lineHeight, Label1->heightForWidth(Label1->width()));
    const int growth = nameHeight - Label1->height();
    if (growth == 0)
        return;
    Label1->resize(Label1->width(), nameHeight);
    for (QWidget* below : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Edit1, Edit2, Edit3, Edit4})
        below->move(below->x(), below->y() + growth);
    resize(width(), height() + growth);
    sPanel1->resize(sPanel1->width(), sPanel1->height() + growth);
    if (isVisible())
        keepWithinScreen(this);
}
