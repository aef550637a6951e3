#include "app/tform13.h"
#include "app/tform14.h"
#include "app/readingcomfort.h"
#include "app/tform3.h"
#include "platform/htmlview.h"
#include "platform/shellopen.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tstreeview.h"
#include "tools/tour/tour.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <cstdio>

namespace {

void clickEntry(QTreeWidget* tree, int index)
{
    QTreeWidgetItem* item = tree->topLevelItem(index);
    if (!item)
        return;
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// A headless walk must not start desktop applications; it says what it would have opened.
void reportShellOpens()
{
    setShellOpenHandler(
        [](const QString& path) { std::printf("tour: the desktop would open %s\n", qPrintable(path)); });
}

} // namespace

void tourlegs::lectures()
{
    reportShellOpens();
    Form3->N1->trigger();
    clickEntry(Form3->TreeView1, 0);
    Tour::settle(400);
    Tour::shoot(Form3, QStringLiteral("main-window-lecture"));
}

void tourlegs::secondLecture()
{
    clickEntry(Form3->TreeView1, Form3->TreeView1->topLevelItemCount() / 2);
    Tour::settle(400);
    Tour::shoot(Form3, QStringLiteral("main-window-second-lecture"));
}

void tourlegs::zoomedLecture()
{
    Form3->readingComfort->setZoom(4);
    Form3->WebBrowser1->verticalScrollBar()->setValue(300);
    Tour::settle(200);
    Tour::shoot(Form3, QStringLiteral("main-window-lecture-zoomed"));
    Form3->readingComfort->setZoom(0);
}

void tourlegs::document()
{
    Form3->N7->trigger();
    Tour::settle(400);
    Tour::shoot(Form3, QStringLiteral("main-window-course-document"));
}

void tourlegs::manual()
{
    Form3->N14->trigger();
    Tour::settle(400);
    Tour::shoot(Form3, QStringLiteral("main-window-user-manual"));
}

void tourlegs::presentations()
{
    Form3->N15->trigger();
    clickEntry(Form3->TreeView1, 0);
    Tour::shoot(Form3, QStringLiteral("main-window-presentations"));
}

void tourlegs::multimedia()
{
    Form3->N16->trigger();
    Form13->sListBox1->setCurrentRow(0);
    QTest::mouseClick(Form13->sButton1, Qt::LeftButton);
    Tour::shoot(Form13, QStringLiteral("multimedia-window"));
    Form13->close();
}

void tourlegs::photos()
{
    Form3->N4->trigger();
    clickEntry(Form14->TreeView1, 0);
    Tour::shoot(Form14, QStringLiteral("photo-window"));
    clickEntry(Form14->TreeView1, 1);
    Tour::shoot(Form14, QStringLiteral("photo-window-second-photo"));
    Form14->close();
    // Back to the lectures, the way the later legs expect the main window.
    Form3->N1->trigger();
    setShellOpenHandler({});
}
