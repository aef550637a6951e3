#include "app/tform13.h"
#include "app/tform3.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "skin/controls/tstreeview.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "teacher/tsdbedit.h"
#include "teacher/tsdbmemo.h"
#include "tools/tour/tour.h"

#include <QAction>
#include <QTest>

namespace {

void focus(QWidget* control)
{
    control->activateWindow();
    control->setFocus(Qt::TabFocusReason);
    Tour::settle(100);
}

} // namespace

void tourlegs::mediaList()
{
    Form3->N16->trigger();
    Form13->sListBox1->setCurrentRow(1);
    focus(Form13->sEdit2);
    Tour::shoot(Form13, QStringLiteral("edits-media-list"));
    focus(Form13->sListBox1);
    Tour::shoot(Form13, QStringLiteral("edits-media-list-focused"));
    Form13->close();
}

void tourlegs::topicTree()
{
    Form3->N1->trigger();
    focus(Form3->TreeView1);
    Tour::shoot(Form3, QStringLiteral("edits-topic-tree"));
    // Low enough for the topics to need the tree's skinned bar.
    Form3->TreeView1->setMaximumHeight(120);
    Tour::settle();
    Tour::shoot(Form3, QStringLiteral("edits-topic-tree-scrolling"));
    Form3->TreeView1->setMaximumHeight(QWIDGETSIZE_MAX);
    Tour::settle();
}

void tourlegs::loginEdits()
{
    Form3->N5->trigger();
    Form9->Edit1->setText(TForm9::login);
    Form9->Edit2->setText(TForm9::password);
    focus(Form9->Edit1);
    Tour::shoot(Form9, QStringLiteral("edits-login-password-unfocused"));
    focus(Form9->Edit2);
    Tour::shoot(Form9, QStringLiteral("edits-login-password-focused"));
    Form9->Edit1->setEnabled(false);
    Tour::settle(100);
    Tour::shoot(Form9, QStringLiteral("edits-login-disabled-edit"));
    Form9->Edit1->setEnabled(true);
}

void tourlegs::questionEdits()
{
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);
    Tour::settle();
    Form10->sPageControl1->setCurrentWidget(Form10->sTabSheet4);
    focus(Form10->sDBEdit1);
    Tour::shoot(Form10, QStringLiteral("edits-question-answer-focused"));
    focus(Form10->sDBMemo1);
    Tour::shoot(Form10, QStringLiteral("edits-question-text-focused"));
    Form10->close();
}
