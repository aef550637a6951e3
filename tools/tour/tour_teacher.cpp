#include "app/tform3.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tspagecontrol.h"
#include "teacher/dbgrid.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "tools/tour/tour.h"

#include <QAction>
#include <QTest>

namespace {

void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

} // namespace

void tourlegs::wrongLogin()
{
    Form3->show();
    Form3->N5->trigger();
    typeInto(Form9->Edit1, QStringLiteral("учитель"));
    typeInto(Form9->Edit2, QStringLiteral("пароль"));
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);
    Tour::shoot(Form9, QStringLiteral("login-error"));
}

void tourlegs::rightLogin()
{
    Form3->N5->trigger();
    Tour::shoot(Form9, QStringLiteral("login-reopened"));
    typeInto(Form9->Edit1, TForm9::login);
    typeInto(Form9->Edit2, TForm9::password);
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);
    Tour::settle();
    Tour::shoot(Form10, QStringLiteral("editor-first-opening"));
}

void tourlegs::editorPages()
{
    static const char* const names[] = {"editor-lectures", "editor-media",   "editor-presentations",
                                        "editor-tests",    "editor-results", "editor-photos"};
    for (int page = 0; page < Form10->sPageControl1->count(); ++page) {
        Form10->sPageControl1->setCurrentIndex(page);
        Tour::settle(100);
        Tour::shoot(Form10, QString::fromLatin1(names[page]));
    }
}

void tourlegs::cellEditor()
{
    Form10->sPageControl1->setCurrentIndex(0);
    DBGrid* grid = Form10->DBGrid1;
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_F2);
    Tour::settle(100);
    Tour::shoot(Form10, QStringLiteral("editor-cell-editing"));
    // Leave the course as it was: undo the cell, then the row.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Escape);
    Form10->close();
}
