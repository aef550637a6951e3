#include "skin/core/paintprimitives.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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
    fillPixels(first, pixel, area.width());
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

namespace {

// 16-bit lanes are enough: d * w + s * (256 - w) never exceeds 255 * 256.
void blendPlain(uint8_t* destination, const uint8_t* source, int count, int weight)
{
    const uint16_t keep = uint16_t(weight);
    const uint16_t take = uint16_t(256 - weight);
    for (int i = 0; i < count; ++i) {
        const uint16_t sum = uint16_t(destination[i] * keep + source[i] * take);
        destination[i] = uint8_t(uint16_t(sum + 127 + ((sum >> 8) & 1)) >> 8);
    }
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VESTORIA_BLEND_AVX2
// A sum of the blend less 128 * 256, divided by 256 and rounded as the plain loop does.
__attribute__((target("avx2"))) inline __m256i roundedSum(__m256i sum)
{
    // Adds the 128 * 256 back and 127 for the rounding in one go; the bit that makes an exact half
    // round to even is the same in the sum and in the sum less 128 * 256.
    const __m256i odd = _mm256_and_si256(_mm256_srli_epi16(sum, 8), _mm256_set1_epi16(1));
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(int16_t(0x807F))), odd), 8);
}

// Blending is the hot loop of transparency, texture mixing and fading. One multiply-add of byte
// pairs does both products of a channel: the weights as unsigned bytes (a weight of 0 would need
// 256 on the other side, so that case is a copy), the channels moved to signed bytes by taking off
// 128, which takes 128 * 256 off every sum.
__attribute__((target("avx2"))) void blendAvx2(uint8_t* destination, const uint8_t* source, int count, int weight)
{
    if (weight == 0) {
        std::memmove(destination, source, size_t(count));
        return;
    }
    const __m256i weights = _mm256_set1_epi16(int16_t(weight | (256 - weight) << 8));
    const __m256i signBit = _mm256_set1_epi8(int8_t(0x80));
    int i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i d =
            _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(destination + i)), signBit);
        const __m256i s = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i)), signBit);
        const __m256i low = roundedSum(_mm256_maddubs_epi16(weights, _mm256_unpacklo_epi8(d, s)));
        const __m256i high = roundedSum(_mm256_maddubs_epi16(weights, _mm256_unpackhi_epi8(d, s)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + i), _mm256_packus_epi16(low, high));
    }
    blendPlain(destination + i, source + i, count - i, weight);
}
#endif

using BlendRow = void (*)(uint8_t*, const uint8_t*, int, int);

BlendRow chooseBlend()
{
#ifdef VESTORIA_BLEND_AVX2
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return blendAvx2;
#endif
    return blendPlain;
}

} // namespace

void blendBytes(uint8_t* destination, const uint8_t* source, int count, int weight)
{
    static const BlendRow blendRow = chooseBlend();
    blendRow(destination, source, count, weight);
}

void fillPixels(uint8_t* row, const uint8_t pixel[3], int count)
{
    if (count <= 0)
        return;
    std::memcpy(row, pixel, 3);
    // Doubling copies of what is already filled: a few long copies instead of one per pixel.
    const size_t bytes = size_t(count) * 3;
    for (size_t filled = 3; filled < bytes; filled *= 2)
        std::memcpy(row + filled, row, std::min(filled, bytes - filled));
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
    // Border cells make many small blocks, so the rows are found without a call each. The
    // destination comes first: making it writable may give the source, when it is the same
    // image, rows of its own.
    uint8_t* toRow = destination.scanLine(to.top()) + to.left() * 3;
    const qsizetype toStride = destination.bytesPerLine();
    const uint8_t* fromRow = source.constScanLine(from.top()) + from.left() * 3;
    const qsizetype fromStride = source.bytesPerLine();
    for (int r = 0; r < to.height(); ++r, toRow += toStride, fromRow += fromStride)
        std::memmove(toRow, fromRow, bytes);
}
