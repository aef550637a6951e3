#pragma once

#include "platform/picturebudget.h"

#include <QByteArray>
#include <QImage>

class PictureBytes;

// A .bmp file: core, info and V4/V5 headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed,
// RLE4, RLE8 and bit fields. Anything else, or data that does not hold what the headers promise,
// fails with "Bitmap image is not valid".
QImage decodeBmp(const QByteArray& data);

// A device-independent bitmap inside a larger file (a .bmp, an icon). iconHeight halves the
// stored height, as icons store the colour image and its mask in one doubled height; alpha keeps
// the fourth byte of 32-bit pixels as transparency. Returns the picture and sets *pixelsEnd to the
// offset after its pixel rows. Throws PictureDataError on damage.
struct DibLayout {
    bool iconHeight = false;
    bool alpha = false;
    qint64 pixelsAt = -1;                    // where the pixel rows start; -1: right after the colour table
    qint64 largestSide = largestPictureSide; // beyond it the picture counts as damaged
};
QImage decodeDib(const PictureBytes& bytes, qint64 headerAt, const DibLayout& layout, qint64* pixelsEnd);
