#include "testing/tform4.h"

#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"

TForm4* Form4 = nullptr;

TForm4::TForm4()
    : Form(QStringLiteral("Form4"), QStringLiteral("Регистрация"), QRect(300, 250, 581, 109))
    , Label1(new TsLabel(client()))
    , Edit1(new TsEdit(client()))
    , sButton1(new TsButton(client()))
{
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Введите ваше ФИО:"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Начать тестирование"));
}
