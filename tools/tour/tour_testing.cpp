#include "app/tform3.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tools/tour/tour.h"

#include <QAction>
#include <QTest>
#include <QTreeWidgetItem>

namespace {

void choosePosition(int position)
{
    const QRect place = Form5->sTreeView1->visualItemRect(Form5->sTreeView1->topLevelItem(position - 1));
    QTest::mouseClick(Form5->sTreeView1->viewport(), Qt::LeftButton, {}, place.center());
}

void chooseAnswer(int item)
{
    TsRadioButton* button = Form5->sRadioGroup1->buttons()[item];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

void tourlegs::registration()
{
    Form3->N2->trigger();
    // The key helpers know no Cyrillic keys: each key carries its text alone.
    for (const QChar character : QStringLiteral("Иванова Мария Петровна"))
        QTest::sendKeyEvent(QTest::Click, Form4->Edit1, Qt::Key_unknown, QString(character), Qt::NoModifier);
    Tour::shoot(Form4, QStringLiteral("registration"));
}

void tourlegs::answering()
{
    QTest::mouseClick(Form4->sButton1, Qt::LeftButton);
    choosePosition(2);
    chooseAnswer(1);
    choosePosition(3);
    chooseAnswer(0);
    chooseAnswer(2);
    Tour::shoot(Form5, QStringLiteral("answering"));
}

void tourlegs::result()
{
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
    Tour::shoot(Form6, QStringLiteral("result"));
}
