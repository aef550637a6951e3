#include "skin/core/paintprimitives.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

QPalette::ColorRole paletteRole(int index)
{
    switch (index) {
    case 5: return QPalette::Base;
    case 8: return QPalette::Text;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Dark;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

int32_t plainRgb(int32_t color)
{
    if ((uint32_t(color) & 0xFF000000u) != 0xFF000000u)
        return color & 0xFFFFFF;
    const QColor c = QGuiApplication::palette().color(QPalette::Active, paletteRole(color & 0xFF));
    return rgbColor(c.red(), c.green(), c.blue());
}

QColor toQColor(int32_t color)
{
    const int32_t rgb = plainRgb(color);
    return QColor(colorRed(rgb), colorGreen(rgb), colorBlue(rgb));
}

QImage newBitmapLike(const QImage& bitmap)
{
    return QImage(bitmap.width(), bitmap.height(), QImage::Format_BGR888);
}

void solidFill(QImage& bitmap, const QRect& rect, int32_t color)
{
    const QRect area = rect.intersected(bitmap.rect());
    if (area.isEmpty())
        return;
    const int32_t rgb = plainRgb(color);
    const uint8_t pixel[3] = {colorBlue(rgb), colorGreen(rgb), colorRed(rgb)};
    uint8_t* first = bitmap.scanLine(area.top()) + area.left() * 3;
    for (int x = 0; x < area.width(); ++x)
        std::memcpy(first + x * 3, pixel, 3);
    const size_t bytes = size_t(area.width()) * 3;
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(bitmap.scanLine(y) + area.left() * 3, first, bytes);
}

void greyscale(QImage& bitmap)
{
    for (int y = 0; y < bitmap.height(); ++y) {
        uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, p += 3) {
            const uint8_t mean = uint8_t((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = mean;
        }
    }
}

void colorMix(QImage& bitmap, const QRect& rect, int percent, int32_t color)
{
    const int left = std::max(rect.left(), 0);
    const int top = std::max(rect.top(), 0);
    const int right = std::min(rect.right() + 1, bitmap.width() - 1);
    const int bottom = std::min(rect.bottom() + 1, bitmap.height() - 1);
    if (left > right || top > bottom)
        return;
    const int p = std::clamp(percent, 0, 100);
    const int32_t rgb = plainRgb(color);
    const int fill[3] = {colorBlue(rgb), colorGreen(rgb), colorRed(rgb)};
    std::array<std::array<uint8_t, 256>, 3> table;
    for (int channel = 0; channel < 3; ++channel)
        for (int v = 0; v < 256; ++v)
            table[channel][v] = uint8_t(divRoundEven(v * p + fill[channel] * (100 - p), 100));
    for (int y = top; y <= bottom; ++y) {
        uint8_t* q = bitmap.scanLine(y) + left * 3;
        for (int x = left; x <= right; ++x, q += 3) {
            q[0] = table[0][q[0]];
            q[1] = table[1][q[1]];
            q[2] = table[2][q[2]];
        }
    }
}

// Blending is the hot loop of transparency, texture mixing and fading; where the processor has
// wider vector units they are worth taking.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void blendBytes(uint8_t* destination, const uint8_t* source, int count, int weight)
{
    // 16-bit lanes are enough: d * w + s * (256 - w) never exceeds 255 * 256.
    const uint16_t keep = uint16_t(weight);
    const uint16_t take = uint16_t(256 - weight);
    for (int i = 0; i < count; ++i) {
        const uint16_t sum = uint16_t(destination[i] * keep + source[i] * take);
        destination[i] = uint8_t(uint16_t(sum + 127 + ((sum >> 8) & 1)) >> 8);
    }
}

void regionBlend(QImage& destination, const QImage& source, int weight, QPoint at, const QRect& sourceRect)
{
    const int a = std::clamp(weight, 0, 255);
    const int lastRow = std::min(source.height() - sourceRect.top() - 1, sourceRect.height());
    const int lastColumn = std::min(source.width() - sourceRect.left() - 1, sourceRect.width());
    // Columns that would fall outside either bitmap are dropped.
    const int firstColumn = std::max({0, -at.x(), -sourceRect.left()});
    const int endColumn = std::min({lastColumn + 1, destination.width() - at.x()});
    if (firstColumn >= endColumn)
        return;
    const int bytes = (endColumn - firstColumn) * 3;
    for (int r = std::max({0, -at.y(), -sourceRect.top()}); r <= lastRow; ++r) {
        if (at.y() + r >= destination.height())
            break;
        blendBytes(destination.scanLine(at.y() + r) + (at.x() + firstColumn) * 3,
                   source.constScanLine(sourceRect.top() + r) + (sourceRect.left() + firstColumn) * 3, bytes, a);
    }
}

void blendImages(QImage& first, const QImage& second, int weight)
{
    if (first.size() != second.size())
        return;
    const int a = std::clamp(weight, 0, 255);
    const int bytes = first.width() * 3;
    for (int y = 0; y < first.height(); ++y)
        blendBytes(first.scanLine(y), second.constScanLine(y), bytes, a);
}

void copyBlock(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect)
{
    QRect from = sourceRect.intersected(source.rect());
    QRect to = from.translated(at - sourceRect.topLeft()).intersected(destination.rect());
    if (to.isEmpty())
        return;
    from = to.translated(sourceRect.topLeft() - at);
    const size_t bytes = size_t(to.width()) * 3;
    for (int r = 0; r < to.height(); ++r)
        std::memmove(destination.scanLine(to.top() + r) + to.left() * 3,
                     source.constScanLine(from.top() + r) + from.left() * 3, bytes);
}
