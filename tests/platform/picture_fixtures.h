#pragma once

// Small picture files built byte by byte, so that each test shows exactly what the file holds.
// Header-only: the window tests use them too.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace fixtures {

// Little-endian writer.
struct Bytes {
    QByteArray data;
    Bytes& u8(int v)
    {
        data.append(char(v & 0xFF));
        return *this;
    }
    Bytes& u16(int v) { return u8(v).u8(v >> 8); }
    Bytes& u32(quint32 v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
    Bytes& raw(const QByteArray& bytes)
    {
        data.append(bytes);
        return *this;
    }
    operator QByteArray() const { return data; }
};

inline quint32 colorRef(int r, int g, int b)
{
    return quint32(r) | quint32(g) << 8 | quint32(b) << 16;
}

// A baseline JPEG made with libjpeg itself: `components` samples a pixel in `space`, and
// `row(y)` answers the samples of row y.
template <class Row>
QByteArray compressJpeg(int width, int height, int components, J_COLOR_SPACE space, int quality, Row row)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW samples = row(int(info.next_scanline));
        jpeg_write_scanlines(&info, &samples, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return result;
}

// A baseline JPEG of a picture.
inline QByteArray jpeg(const QImage& source, int quality = 90)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    return compressJpeg(image.width(), image.height(), 3, JCS_RGB, quality,
                        [&](int y) { return const_cast<uchar*>(image.constScanLine(y)); });
}

inline QImage filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A device-independent bitmap: info header (40 bytes), optional masks, palette, pixel rows.
struct Dib {
    int width = 1;
    int height = 1; // negative: rows stored top-down
    int bits = 24;
    quint32 compression = 0;
    QVector<quint32> palette; // 0x00RRGGBB
    QVector<quint32> masks;
    QByteArray pixels;
    int colorsUsed = -1; // -1: the palette's size

    QByteArray header() const
    {
        Bytes b;
        b.u32(40)
            .u32(quint32(width))
            .u32(quint32(height))
            .u16(1)
            .u16(bits)
            .u32(compression)
            .u32(quint32(pixels.size()));
        b.u32(2835).u32(2835).u32(quint32(colorsUsed >= 0 ? colorsUsed : palette.size())).u32(0);
        for (quint32 mask : masks)
            b.u32(mask);
        for (quint32 color : palette)
            b.u32(color);
        return b;
    }
    QByteArray bytes() const { return header() + pixels; }
};

// A DIB of the given layout, for the tables of cases.
inline Dib dib(int width, int height, int bits, QByteArray pixels, QVector<quint32> palette = {},
               quint32 compression = 0, QVector<quint32> masks = {})
{
    Dib d;
    d.width = width;
    d.height = height;
    d.bits = bits;
    d.pixels = std::move(pixels);
    d.palette = std::move(palette);
    d.compression = compression;
    d.masks = std::move(masks);
    return d;
}

inline QByteArray bmpFile(const Dib& dib)
{
    const QByteArray header = dib.header();
    Bytes b;
    b.u8('B').u8('M').u32(quint32(14 + header.size() + dib.pixels.size())).u32(0).u32(quint32(14 + header.size()));
    return b.raw(header).raw(dib.pixels);
}

// A 24-bit bottom-up bitmap of the given colours, rows listed top first.
inline QByteArray bmp24(const QVector<QVector<QColor>>& rows)
{
    Dib dib;
    dib.height = int(rows.size());
    dib.width = int(rows.first().size());
    for (qsizetype y = rows.size() - 1; y >= 0; --y) {
        QByteArray row;
        for (const QColor& c : rows[y])
            row.append(char(c.blue())).append(char(c.green())).append(char(c.red()));
        while (row.size() % 4)
            row.append('\0');
        dib.pixels += row;
    }
    return bmpFile(dib);
}

struct IconImage {
    int width;
    int height;
    QByteArray data; // a DIB with doubled height and mask, or a PNG
    int bits = 32;
};

inline QByteArray icoFile(const QVector<IconImage>& images)
{
    Bytes b;
    b.u16(0).u16(1).u16(int(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (const IconImage& image : images) {
        b.u8(image.width & 0xFF).u8(image.height & 0xFF).u8(0).u8(0).u16(1).u16(image.bits);
        b.u32(quint32(image.data.size())).u32(offset);
        offset += quint32(image.data.size());
    }
    for (const IconImage& image : images)
        b.raw(image.data);
    return b;
}

// An icon image of one colour: 32-bit pixels with no alpha of their own, and a mask whose set
// bits (listed as transparent pixels, x + y * width) leave those pixels clear.
inline QByteArray iconDib(int size, QColor color, const QVector<int>& transparent = {})
{
    Dib dib;
    dib.width = size;
    dib.height = size * 2;
    dib.bits = 32;
    for (int i = 0; i < size * size; ++i)
        dib.pixels.append(char(color.blue())).append(char(color.green())).append(char(color.red())).append('\0');
    const int stride = ((size + 31) / 32) * 4;
    QByteArray mask(stride * size, '\0');
    for (int index : transparent) {
        const int x = index % size;
        const int y = index / size;
        mask[(size - 1 - y) * stride + x / 8] = char(mask[(size - 1 - y) * stride + x / 8] | (0x80 >> (x % 8)));
    }
    dib.pixels += mask;
    return dib.bytes();
}

// A placeable metafile: bounding box, units per inch, then the given records and an end record.
inline QByteArray wmf(int left, int top, int right, int bottom, int unitsPerInch, const QVector<QByteArray>& records,
                      bool endRecord = true)
{
    Bytes header;
    header.u32(0x9AC6CDD7).u16(0).u16(left).u16(top).u16(right).u16(bottom).u16(unitsPerInch).u32(0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= quint16(uchar(header.data[2 * i]) | uchar(header.data[2 * i + 1]) << 8);
    header.u16(checksum);
    QByteArray body;
    for (const QByteArray& record : records)
        body += record;
    if (endRecord)
        body += Bytes().u32(3).u16(0).data;
    Bytes meta;
    meta.u16(1).u16(9).u16(0x0300).u32(quint32((18 + body.size()) / 2)).u16(8).u32(64).u16(0);
    return header.data + meta.data + body;
}

// A placeable-metafile record: function and 16-bit parameters.
inline QByteArray wmfRecord(int function, const QVector<int>& words)
{
    Bytes b;
    b.u32(quint32(3 + words.size())).u16(function);
    for (int word : words)
        b.u16(word);
    return b;
}

// An enhanced metafile whose frame is the given size in hundredths of a millimetre on a reference
// device of 96 pixels per inch (so that one record unit is one picture pixel).
inline QByteArray emf(int frameWidth, int frameHeight, const QVector<QByteArray>& records, bool endRecord = true)
{
    QByteArray body;
    for (const QByteArray& record : records)
        body += record;
    const QByteArray end = Bytes().u32(14).u32(20).u32(0).u32(0).u32(20);
    Bytes b;
    const int deviceWidth = 960;
    const int millimetres = 254;
    b.u32(1).u32(88).u32(0).u32(0).u32(0).u32(0);                       // type, size, bounds
    b.u32(0).u32(0).u32(quint32(frameWidth)).u32(quint32(frameHeight)); // frame
    b.u32(0x464D4520).u32(0x10000);
    b.u32(quint32(88 + body.size() + (endRecord ? end.size() : 0))).u32(quint32(records.size() + 2));
    b.u16(8).u16(0).u32(0).u32(0).u32(0);
    b.u32(deviceWidth).u32(deviceWidth).u32(millimetres).u32(millimetres);
    return b.data + body + (endRecord ? end : QByteArray());
}

inline QByteArray emfRecord(quint32 type, const QVector<quint32>& values)
{
    Bytes b;
    b.u32(type).u32(quint32(8 + 4 * values.size()));
    for (quint32 value : values)
        b.u32(value);
    return b;
}

} // namespace fixtures
