#include "app/tform1.h"
#include "app/tform3.h"
#include "platform/pictureview.h"
#include "tools/tour/tour.h"

#include <QTest>

void tourlegs::startWindow()
{
    Tour::shoot(Form1, QStringLiteral("start-window"));
}

void tourlegs::coverPress()
{
    QTest::mouseClick(Form1->Image2, Qt::LeftButton, {}, QPoint(200, 200));
    Tour::shoot(Form3, QStringLiteral("main-window"));
}
