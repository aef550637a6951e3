#include "testing/tform6.h"

#include "platform/metrics.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsskinprovider.h"
#include "testing/grading.h"
#include "testing/headingfont.h"

#include <QFontMetrics>

TForm6* Form6 = nullptr;

namespace {
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

TForm6::TForm6()
    : Form(QStringLiteral("Form6"), QStringLiteral("Результаты тестирования"), metrics::resultWindow::frame)
    , sPanel1(new TsPanel(client()))
    , Label1(new TsLabel(sPanel1))
    , Label2(new TsLabel(sPanel1))
    , Label3(new TsLabel(sPanel1))
    , Label4(new TsLabel(sPanel1))
    , Label5(new TsLabel(sPanel1))
    , Edit1(new TsEdit(sPanel1))
    , Edit2(new TsEdit(sPanel1))
    , Edit3(new TsEdit(sPanel1))
    , Edit4(new TsEdit(sPanel1))
{
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
        label->setGeometry(leftMargin, firstLineTop + line * lineSpacing, sPanel1->width() - 2 * leftMargin, lineHeight);
    }
    Label1->setPalette(redText(Label1->palette()));

    const QList<TsEdit*> boxes{Edit1, Edit2, Edit3, Edit4};
    for (int index = 0; index < boxes.size(); ++index) {
        boxes[index]->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
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
    Edit1->setText(QString::number(questions));
    Edit2->setText(QString::number(correct));
    Edit3->setText(grade.mark);
    Edit4->setText(grade.letterText);
}
