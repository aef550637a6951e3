#include "skin/core/paintmarks.h"

#include "skin/core/paintprimitives.h"

#include <QPolygon>

namespace {

void setPixel(QImage& canvas, int x, int y, uint8_t value)
{
    if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height())
        return;
    uint8_t* p = canvas.scanLine(y) + x * 3;
    p[0] = p[1] = p[2] = value;
}

void drawTick(QPainter& canvas, const QRect& area, QPoint shift, const QColor& color)
{
    const int l = area.left() + shift.x();
    const int t = area.top() + shift.y();
    const int r = area.left() + area.width() + shift.x();
    const int b = area.top() + area.height() + shift.y();
    const int h = area.height();
    const QPolygon tick({QPoint(l, b - h / 3 - 2), QPoint(l + h / 3, b - 2), QPoint(r - 2, t + h / 3),
                         QPoint(r - 2, t + h / 3 - h / 4), QPoint(l + h / 3, b - h / 4 - 2),
                         QPoint(l + h / 4, b - h / 3 - 2)});
    canvas.setPen(color);
    canvas.setBrush(color);
    canvas.drawPolygon(tick);
}

} // namespace

void paintFocusRect(QImage& canvas, const QRect& rect)
{
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    for (int i = 0; i <= rect.width() / 3; ++i) {
        setPixel(canvas, l + 3 * i, t, 0);
        setPixel(canvas, l + 3 * i, b, 0);
        setPixel(canvas, l + 3 * i - 1, t - 1, 0xFF);
        setPixel(canvas, l + 3 * i - 1, b - 1, 0xFF);
    }
    for (int j = 0; j <= rect.height() / 3; ++j) {
        setPixel(canvas, l, t + 3 * j, 0);
        setPixel(canvas, r, t + 3 * j, 0);
        setPixel(canvas, l - 1, t + 3 * j - 1, 0xFF);
        setPixel(canvas, r - 1, t + 3 * j - 1, 0xFF);
    }
}

void paintCheckMark(QPainter& canvas, const QRect& rect, bool enabled, int32_t color)
{
    const int inset = rect.width() / 8;
    const QRect area = rect.adjusted(inset + 1, inset + 1, -inset, -inset);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    if (enabled) {
        drawTick(canvas, area, QPoint(0, 0), toQColor(color));
    } else {
        drawTick(canvas, area, QPoint(1, 1), toQColor(cl3DLight));
        drawTick(canvas, area, QPoint(0, 0), toQColor(clBtnShadow));
    }
    canvas.restore();
}
