#include "tests/testing/testingcourse.h"

#include "app/startup.h"
#include "platform/randomsource.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "testing/tform4.h"
#include "testing/tform5.h"

#include <QTest>

TestingCourse::TestingCourse(int questions, const QString& correctAnswer, const QString& extraSql)
{
    if (questions > 0)
        course.exec(QStringLiteral("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < %1) "
                                   "INSERT INTO test (nom, test, otv) SELECT k, 'Вопрос ' || k, '%2' FROM n")
                        .arg(questions)
                        .arg(correctAnswer));
    if (!extraSql.isEmpty())
        course.exec(extraSql);
    programRandom() = RandomSource();
    started_ = createProgram();
}

TestingCourse::~TestingCourse()
{
    if (started_)
        destroyProgram();
}

void TestingCourse::startTest(const QString& name)
{
    Form4->show();
    Form4->Edit1->clear();
    // Typed key by key; the key helpers know no Cyrillic keys, so the keys carry only their text.
    for (const QChar character : name)
        QTest::sendKeyEvent(QTest::Click, Form4->Edit1, Qt::Key_unknown, QString(character), Qt::NoModifier);
    QTest::mouseClick(Form4->sButton1, Qt::LeftButton);
}

void TestingCourse::choosePosition(int position)
{
    QTreeWidgetItem* item = Form5->sTreeView1->topLevelItem(position - 1);
    const QRect place = Form5->sTreeView1->visualItemRect(item);
    QTest::mouseClick(Form5->sTreeView1->viewport(), Qt::LeftButton, {}, place.center());
    // What the window does once the click is handled happens before the student acts again.
    QCoreApplication::processEvents();
}

void TestingCourse::chooseAnswer(int item)
{
    TsRadioButton* button = Form5->sRadioGroup1->buttons()[item];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void TestingCourse::handIn()
{
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
}

QStringList TestingCourse::positions() const
{
    QStringList captions;
    for (int index = 0; index < Form5->sTreeView1->topLevelItemCount(); ++index)
        captions.append(Form5->sTreeView1->topLevelItem(index)->text(0));
    return captions;
}

int TestingCourse::checkedAnswer() const
{
    const auto& buttons = Form5->sRadioGroup1->buttons();
    for (int index = 0; index < buttons.size(); ++index)
        if (buttons[index]->isChecked())
            return index;
    return -1;
}
