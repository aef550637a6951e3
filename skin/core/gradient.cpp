#include "skin/core/gradient.h"

#include "skin/core/paintprimitives.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Colour of step i of n from `from` to `to`, as B, G, R bytes rounded half to even.
void interpolate(uint8_t* pixel, int32_t from, int32_t to, int i, int n)
{
    const int start[3] = {colorBlue(from), colorGreen(from), colorRed(from)};
    const int end[3] = {colorBlue(to), colorGreen(to), colorRed(to)};
    for (int channel = 0; channel < 3; ++channel)
        pixel[channel] = uint8_t(divRoundEven(start[channel] * (n - i) + end[channel] * i, n));
}

struct Span {
    int first;
    int last; // inclusive
};

// Where each segment starts and ends along a side of `length` pixels from `origin`. A segment
// never runs past the rectangle's far edge, even when a skin's percents add up to more than 100.
std::vector<Span> segmentSpans(const TsGradArray& gradient, int origin, int length, int farEdge)
{
    std::vector<Span> spans;
    int position = origin;
    for (qsizetype s = 0; s < gradient.size(); ++s) {
        const int start = position;
        int end = start + gradient[s].percent * length / 100;
        end = s + 1 == gradient.size() ? farEdge - 1 : std::min(end, farEdge - 1);
        spans.push_back({start, end});
        position = end;
    }
    return spans;
}

} // namespace

void paintGradient(QImage& bitmap, const QRect& rect, const TsGradArray& gradient)
{
    const int left = std::max(rect.left(), 0);
    const int top = std::max(rect.top(), 0);
    const int right = std::min(rect.right() + 1, bitmap.width());
    const int bottom = std::min(rect.bottom() + 1, bitmap.height());
    if (gradient.isEmpty() || left >= right || top >= bottom)
        return;

    const int mode = gradient.first().mode;
    if (mode == 0) {
        const std::vector<Span> spans = segmentSpans(gradient, top, bottom - top, bottom);
        for (size_t s = 0; s < spans.size(); ++s) {
            const int n = spans[s].last - spans[s].first;
            if (n <= 0)
                continue;
            for (int i = 0; i <= n; ++i) {
                uint8_t pixel[3];
                interpolate(pixel, gradient[s].color1, gradient[s].color2, i, n);
                fillPixels(bitmap.scanLine(spans[s].first + i) + left * 3, pixel, right - left);
            }
        }
    } else if (mode == 1) {
        // Every row is the same, so one is worked out and copied down.
        const std::vector<Span> spans = segmentSpans(gradient, left, right - left, right);
        uint8_t* first = bitmap.scanLine(top);
        int paintedFrom = right;
        int paintedTo = left - 1;
        for (size_t s = 0; s < spans.size(); ++s) {
            const int n = spans[s].last - spans[s].first;
            if (n <= 0)
                continue;
            for (int i = 0; i <= n; ++i)
                interpolate(first + (spans[s].first + i) * 3, gradient[s].color1, gradient[s].color2, i, n);
            paintedFrom = std::min(paintedFrom, spans[s].first);
            paintedTo = std::max(paintedTo, spans[s].last);
        }
        for (int y = top + 1; y < bottom && paintedFrom <= paintedTo; ++y)
            std::memcpy(bitmap.scanLine(y) + paintedFrom * 3, first + paintedFrom * 3,
                        size_t(paintedTo - paintedFrom + 1) * 3);
    }
}
