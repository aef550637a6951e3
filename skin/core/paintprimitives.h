#pragma once

// The pixel operations every skin painter is built from. They work on 24-bit bitmaps
// (QImage::Format_BGR888: blue, green, red bytes) through direct row access. Rectangles are
// QRects whose right and bottom edges are exclusive in the sense left() + width(); nothing here
// reads or writes outside a bitmap, whatever rectangle it is given.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>

// Channels of a colour 0x00BBGGRR (red in the low byte).
constexpr uint8_t colorRed(int32_t color)
{
    return uint8_t(color & 0xFF);
}
constexpr uint8_t colorGreen(int32_t color)
{
    return uint8_t((color >> 8) & 0xFF);
}
constexpr uint8_t colorBlue(int32_t color)
{
    return uint8_t((color >> 16) & 0xFF);
}
constexpr int32_t rgbColor(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// numerator / denominator rounded to the nearest integer, exact halves to the even neighbour.
// Both must be positive (the numerator may be 0).
constexpr int divRoundEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && (quotient & 1)))
        return quotient + 1;
    return quotient;
}

// System colours keep the platform's encoding: 0xFF0000nn names system colour nn.
constexpr int32_t systemColor(int index)
{
    return int32_t(0xFF000000u | uint32_t(index));
}
constexpr int32_t clBtnFace = systemColor(15);
constexpr int32_t clBtnShadow = systemColor(16);
constexpr int32_t clBtnHighlight = systemColor(20);
constexpr int32_t cl3DLight = systemColor(22);

// The plain 0x00BBGGRR value of a colour; system colours come from the application palette.
int32_t plainRgb(int32_t color);
QColor toQColor(int32_t color);

// A 24-bit bitmap of the same size as `bitmap`, contents undefined.
QImage newBitmapLike(const QImage& bitmap);

void solidFill(QImage& bitmap, const QRect& rect, int32_t color);

// Every pixel's channels become their mean, truncated.
void greyscale(QImage& bitmap);

// Keeps `percent` of every pixel and takes the rest from `color`, rounded. Unlike the other
// operations the rectangle's right column and bottom row are included.
void colorMix(QImage& bitmap, const QRect& rect, int percent, int32_t color);

// Lays sourceRect of `source` over `destination` at `at`: every channel becomes
// (D - S) * weight / 256 + S, rounded, so the destination keeps weight/256 (weight 0 to 255).
// The rectangle's width and height count inclusively, as far as the source reaches.
void regionBlend(QImage& destination, const QImage& source, int weight, QPoint at, const QRect& sourceRect);

// The whole-bitmap blend: `first` keeps weight/256 of itself and takes the rest from `second`.
// Bitmaps of different sizes are left alone.
void blendImages(QImage& first, const QImage& second, int weight);

// Block transfer of sourceRect of `source` to `at` in `destination`, limited to both bitmaps.
void copyBlock(QImage& destination, QPoint at, const QImage& source, const QRect& sourceRect);

// Row blend of `count` bytes: d keeps weight/256, s gives the rest, rounded half to even
// (weight 0 to 255).
void blendBytes(uint8_t* destination, const uint8_t* source, int count, int weight);

// Fills `count` pixels of a row with one B, G, R pixel.
void fillPixels(uint8_t* row, const uint8_t pixel[3], int count);
