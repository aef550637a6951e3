#include "app/tform1.h"
#include "app/tform3.h"
#include "platform/pictureview.h"
#include "tools/tour/tour.h"

#include <QTest>

namespace {
TourRegistration startWindow{10, QStringLiteral("start window"),
                             [] { Tour::shoot(Form1, QStringLiteral("start-window")); }};

TourRegistration coverPress{20, QStringLiteral("cover press"), [] {
                                QTest::mouseClick(Form1->Image2, Qt::LeftButton, {}, QPoint(200, 200));
                                Tour::shoot(Form3, QStringLiteral("main-window"));
                            }};
} // namespace
