#include "platform/bmpdecoder.h"

#include "platform/apperror.h"
#include "platform/picturebytes.h"

#include <QVector>
#include <bit>

namespace {
enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

// One channel of a bit-field pixel, widened to 8 bits.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(quint32 m = 0) : mask(m)
    {
        if (mask) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask >> shift);
        }
    }
    int value(quint32 pixel, int absent) const
    {
        if (!mask)
            return absent;
        const quint32 raw = (pixel & mask) >> shift;
        if (bits >= 8)
            return int(raw >> (bits - 8));
        const quint32 top = (1u << bits) - 1;
        return top ? int(raw * 255 / top) : 0;
    }
};

void checkSize(qint64 width, qint64 height, qint64 largestSide)
{
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide
        || width * height > largestPicturePixels)
        throw PictureDataError{};
}

// Run-length data: pixels land in an index buffer laid out bottom-up; a run that leaves the picture
// is dropped, never written outside it.
QVector<quint8> expandRle(const PictureBytes& bytes, qint64 at, int width, int height, bool fourBits)
{
    QVector<quint8> indexes(qsizetype(width) * height, 0);
    qint64 x = 0;
    qint64 y = 0;
    auto put = [&](quint8 index) {
        if (x < width && y < height)
            indexes[qsizetype(y * width + x)] = index;
        ++x;
    };
    for (;;) {
        const quint8 count = bytes.u8(at);
        const quint8 value = bytes.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(fourBits ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += bytes.u8(at);
            y += bytes.u8(at + 1);
            at += 2;
        } else {
            const qint64 length = fourBits ? (value + 1) / 2 : value;
            const uchar* run = bytes.span(at, length);
            for (int i = 0; i < value; ++i)
                put(fourBits ? ((i & 1) ? run[i / 2] & 0x0F : run[i / 2] >> 4) : run[i]);
            at += (length + 1) & ~qint64(1);
        }
        if (y >= height)
            break;
    }
    return indexes;
}
} // namespace

QImage decodeDib(const PictureBytes& bytes, qint64 headerAt, const DibLayout& layout, qint64* pixelsEnd)
{
    const quint32 headerSize = bytes.u32(headerAt);
    qint64 width;
    qint64 height;
    int bitCount;
    quint32 compression = Rgb;
    quint32 colorsUsed = 0;
    int paletteEntrySize = 4;
    quint32 masks[4] = {0, 0, 0, 0};
    qint64 afterHeader = headerAt + headerSize;

    if (headerSize == 12) {
        width = bytes.u16(headerAt + 4);
        height = bytes.u16(headerAt + 6);
        bitCount = bytes.u16(headerAt + 10);
        paletteEntrySize = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 || headerSize == 108
               || headerSize == 124) {
        width = bytes.s32(headerAt + 4);
        height = bytes.s32(headerAt + 8);
        bitCount = bytes.u16(headerAt + 14);
        compression = bytes.u32(headerAt + 16);
        colorsUsed = bytes.u32(headerAt + 32);
        if (compression == BitFields || compression == AlphaBitFields) {
            const int maskCount = compression == AlphaBitFields ? 4 : 3;
            // Masks follow a plain info header; later headers carry them inside.
            const qint64 masksAt = headerSize == 40 ? afterHeader : headerAt + 40;
            for (int i = 0; i < maskCount; ++i)
                masks[i] = bytes.u32(masksAt + 4 * i);
            if (headerSize == 40)
                afterHeader += 4 * maskCount;
        }
    } else {
        throw PictureDataError{};
    }
    bytes.span(headerAt, afterHeader - headerAt);

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (layout.iconHeight)
        height /= 2;
    checkSize(width, height, layout.largestSide);

    const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
    const bool rle = compression == Rle8 || compression == Rle4;
    const bool validCompression =
        compression == Rgb || (compression == Rle8 && bitCount == 8) || (compression == Rle4 && bitCount == 4)
        || ((compression == BitFields || compression == AlphaBitFields) && (bitCount == 16 || bitCount == 32));
    if (!validCompression || (!indexed && bitCount != 16 && bitCount != 24 && bitCount != 32) || (rle && topDown))
        throw PictureDataError{};

    QVector<QRgb> palette;
    if (indexed) {
        const quint32 maxColors = 1u << bitCount;
        if (colorsUsed > maxColors)
            throw PictureDataError{};
        const quint32 count = colorsUsed ? colorsUsed : maxColors;
        const uchar* table = bytes.span(afterHeader, qint64(count) * paletteEntrySize);
        palette.resize(maxColors, qRgb(0, 0, 0));
        for (quint32 i = 0; i < count; ++i) {
            const uchar* entry = table + i * paletteEntrySize;
            palette[i] = qRgb(entry[2], entry[1], entry[0]);
        }
        afterHeader += qint64(count) * paletteEntrySize;
    } else if (headerSize >= 40 && compression == Rgb && colorsUsed > 0 && colorsUsed <= 256) {
        // A colour table beside true-colour pixels only advises the display; skip it.
        afterHeader += qint64(colorsUsed) * 4;
    }

    const qint64 pixelsAt = layout.pixelsAt >= 0 ? layout.pixelsAt : afterHeader;
    const int w = int(width);
    const int h = int(height);
    const bool alpha = layout.alpha && bitCount == 32;
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        throw PictureDataError{};

    if (rle) {
        const QVector<quint8> indexes = expandRle(bytes, pixelsAt, w, h, compression == Rle4);
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(h - 1 - y));
            for (int x = 0; x < w; ++x)
                line[x] = palette[indexes[qsizetype(y) * w + x]];
        }
        *pixelsEnd = pixelsAt;
        return image;
    }

    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    const uchar* pixels = bytes.span(pixelsAt, stride * height);
    *pixelsEnd = pixelsAt + stride * height;

    if (compression == Rgb && bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (compression == Rgb && bitCount == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
        masks[3] = alpha ? 0xFF000000 : 0;
    } else if (compression == BitFields && alpha && headerSize > 52) {
        masks[3] = bytes.u32(headerAt + 52);
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), opacity(alpha ? masks[3] : 0);

    for (int y = 0; y < h; ++y) {
        const uchar* row = pixels + (topDown ? y : h - 1 - y) * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (bitCount) {
            case 1: line[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: line[x] = palette[(x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4]; break;
            case 8: line[x] = palette[row[x]]; break;
            case 24: line[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            case 16: {
                const quint32 pixel = row[2 * x] | row[2 * x + 1] << 8;
                line[x] = qRgb(red.value(pixel, 0), green.value(pixel, 0), blue.value(pixel, 0));
                break;
            }
            default: {
                const uchar* p = row + 4 * x;
                const quint32 pixel = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
                line[x] =
                    qRgba(red.value(pixel, 0), green.value(pixel, 0), blue.value(pixel, 0), opacity.value(pixel, 255));
            }
            }
        }
    }
    return image;
}

QImage decodeBmp(const QByteArray& data)
{
    try {
        const PictureBytes bytes(data);
        if (bytes.u16(0) != 0x4D42)
            throw PictureDataError{};
        DibLayout layout;
        layout.pixelsAt = bytes.u32(10);
        qint64 end = 0;
        return decodeDib(bytes, 14, layout, &end);
    } catch (const PictureDataError&) {
        throw AppError(QStringLiteral("Bitmap image is not valid"));
    }
}
