#include "app/tform1.h"
#include "app/tform3.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "teacher/tsdbnavigator.h"
#include "teacher/tsnavbutton.h"
#include "tools/tour/tour.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

namespace {

// The pointer comes over the control without moving the real one.
void hover(QWidget* widget)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &enter);
    Tour::settle(100);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
    Tour::settle(100);
}

} // namespace

void tourlegs::loginButton()
{
    Form3->show();
    Form3->N5->trigger();
    TsButton* button = Form9->sButton1;
    Form9->Edit1->setFocus();
    Tour::settle();
    Tour::shoot(Form9, QStringLiteral("login-button-normal"));
    hover(button);
    Tour::shoot(Form9, QStringLiteral("login-button-hot"));
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    Tour::settle(50);
    Tour::shoot(Form9, QStringLiteral("login-button-pressed"));
    // Released outside: no login is tried.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    leave(button);
    button->setFocus();
    Tour::settle();
    Tour::shoot(Form9, QStringLiteral("login-button-focused"));
    button->setEnabled(false);
    Form9->Edit1->setFocus();
    Tour::settle();
    Tour::shoot(Form9, QStringLiteral("login-button-disabled"));
    button->setEnabled(true);
    Form9->close();
}

void tourlegs::navigatorLooks()
{
    Form10->show();
    Form10->sPageControl1->setCurrentIndex(0);
    Tour::settle();
    TsDBNavigator* navigator = Form10->sDBNavigator1;
    hover(navigator->button(TsDBNavigator::nbNext));
    Tour::shoot(Form10, QStringLiteral("navigator-hot"));
    TsNavButton* last = navigator->button(TsDBNavigator::nbLast);
    QTest::mousePress(last, Qt::LeftButton, {}, last->rect().center());
    Tour::settle(50);
    Tour::shoot(Form10, QStringLiteral("navigator-pressed"));
    QTest::mouseRelease(last, Qt::LeftButton, {}, QPoint(-5, -5));
    leave(navigator->button(TsDBNavigator::nbNext));
    Form10->close();
}

// The same looks in the example skin.
void tourlegs::exampleSkinButtons()
{
    const QString before = Form1->sSkinManager1->SkinName();
    Form1->sSkinManager1->setSkinName(QStringLiteral("Amberlight"));
    Form3->N5->trigger();
    Form9->Edit1->setFocus();
    Tour::settle();
    hover(Form9->sButton1);
    Tour::shoot(Form9, QStringLiteral("login-button-hot-example-skin"));
    leave(Form9->sButton1);
    Form9->close();
    Form10->show();
    Tour::settle();
    TsDBNavigator* navigator = Form10->sDBNavigator1;
    hover(navigator->button(TsDBNavigator::nbNext));
    Tour::shoot(Form10, QStringLiteral("navigator-hot-example-skin"));
    leave(navigator->button(TsDBNavigator::nbNext));
    Form10->close();
    Form1->sSkinManager1->setSkinName(before.isEmpty() ? ferroluxSkinName : before);
}
