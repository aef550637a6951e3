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
#define VESTORIA_AVX2_ROWS
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

// The colour mix of a row of whole pixels, one table per channel.
using MixTables = std::array<std::array<uint8_t, 256>, 3>;

void mixPlain(uint8_t* row, int bytes, const MixTables& table, const uint16_t*)
{
    for (int i = 0; i + 2 < bytes; i += 3) {
        row[i] = table[0][row[i]];
        row[i + 1] = table[1][row[i + 1]];
        row[i + 2] = table[2][row[i + 2]];
    }
}

#ifdef VESTORIA_AVX2_ROWS
// Channels (16-bit lanes) times the percent plus the fill's share, divided by 100 and rounded half
// to even: the sum stays below 25,600, where multiplying by 5243 and dropping 19 bits divides by
// 100 exactly.
__attribute__((target("avx2"))) inline __m256i mixedChannels(__m256i channels, __m256i percent, __m256i offset)
{
    const __m256i hundred = _mm256_set1_epi16(100);
    const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(channels, percent), offset);
    const __m256i quotient = _mm256_srli_epi16(_mm256_mulhi_epu16(sum, _mm256_set1_epi16(5243)), 3);
    const __m256i rest = _mm256_sub_epi16(sum, _mm256_mullo_epi16(quotient, hundred));
    // Up when twice the rest passes 100, or meets it with an odd quotient.
    const __m256i twice =
        _mm256_add_epi16(_mm256_add_epi16(rest, rest), _mm256_and_si256(quotient, _mm256_set1_epi16(1)));
    return _mm256_sub_epi16(quotient, _mm256_cmpgt_epi16(twice, hundred));
}

// The same as the tables, 32 pixels at a time. `offsets` holds fill * (100 - p) for blue, green
// and red, then the percent.
__attribute__((target("avx2"))) void mixAvx2(uint8_t* row, int bytes, const MixTables& table, const uint16_t* offsets)
{
    // The channel of each 16-bit lane, for the three 32-byte blocks of 96 bytes (32 pixels) as the
    // unpacking lays them out: the low half takes bytes 0-7 and 16-23 of a block, the high one
    // bytes 8-15 and 24-31.
    __m256i add[3][2];
    for (int block = 0; block < 3; ++block)
        for (int half = 0; half < 2; ++half) {
            alignas(32) uint16_t lanes[16];
            for (int lane = 0; lane < 16; ++lane) {
                const int byte = 32 * block + (lane < 8 ? lane : lane + 8) + 8 * half;
                lanes[lane] = offsets[byte % 3];
            }
            add[block][half] = _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
        }
    const __m256i percent = _mm256_set1_epi16(int16_t(offsets[3]));
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 96 <= bytes; i += 96)
        for (int block = 0; block < 3; ++block) {
            auto* at = reinterpret_cast<__m256i*>(row + i + 32 * block);
            const __m256i v = _mm256_loadu_si256(at);
            const __m256i low = mixedChannels(_mm256_unpacklo_epi8(v, zero), percent, add[block][0]);
            const __m256i high = mixedChannels(_mm256_unpackhi_epi8(v, zero), percent, add[block][1]);
            _mm256_storeu_si256(at, _mm256_packus_epi16(low, high));
        }
    mixPlain(row + i, bytes - i, table, offsets);
}
#endif

using MixRow = void (*)(uint8_t*, int, const MixTables&, const uint16_t*);

using BlendRow = void (*)(uint8_t*, const uint8_t*, int, int);

#ifdef VESTORIA_AVX2_ROWS
bool hasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

BlendRow chooseBlend()
{
#ifdef VESTORIA_AVX2_ROWS
    if (hasAvx2())
        return blendAvx2;
#endif
    return blendPlain;
}

MixRow chooseMix()
{
#ifdef VESTORIA_AVX2_ROWS
    if (hasAvx2())
        return mixAvx2;
#endif
    return mixPlain;
}

} // namespace

void blendBytes(uint8_t* destination, const uint8_t* source, int count, int weight)
{
    static const BlendRow blendRow = chooseBlend();
    blendRow(destination, source, count, weight);
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
    MixTables table;
    for (int channel = 0; channel < 3; ++channel)
        for (int v = 0; v < 256; ++v)
            table[channel][v] = uint8_t(divRoundEven(v * p + fill[channel] * (100 - p), 100));
    const uint16_t offsets[4] = {uint16_t(fill[0] * (100 - p)), uint16_t(fill[1] * (100 - p)),
                                 uint16_t(fill[2] * (100 - p)), uint16_t(p)};
    static const MixRow mixRow = chooseMix();
    for (int y = top; y <= bottom; ++y)
        mixRow(bitmap.scanLine(y) + left * 3, (right - left + 1) * 3, table, offsets);
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
