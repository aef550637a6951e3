#pragma once

#include <QByteArray>
#include <QtGlobal>

// Thrown by PictureBytes when a picture file's data ends early or points outside itself; each
// loader turns it into its own "... is not valid" message.
struct PictureDataError {};

// Little-endian reads from a picture file with every offset checked against the data, so that no
// value in the file can make a loader read outside it.
class PictureBytes {
public:
    explicit PictureBytes(const QByteArray& data)
        : data_(reinterpret_cast<const uchar*>(data.constData())),
          size_(data.size())
    {}
    PictureBytes(const uchar* data, qsizetype size) : data_(data), size_(size) {}

    qsizetype size() const { return size_; }
    bool contains(qint64 at, qint64 length) const
    {
        return at >= 0 && length >= 0 && at <= size_ && length <= size_ - at;
    }
    // The bytes [at, at + length), or PictureDataError when they are not all there.
    const uchar* span(qint64 at, qint64 length) const
    {
        if (!contains(at, length))
            throw PictureDataError{};
        return data_ + at;
    }
    PictureBytes slice(qint64 at, qint64 length) const { return {span(at, length), static_cast<qsizetype>(length)}; }

    quint8 u8(qint64 at) const { return *span(at, 1); }
    quint16 u16(qint64 at) const
    {
        const uchar* p = span(at, 2);
        return static_cast<quint16>(p[0] | p[1] << 8);
    }
    qint16 s16(qint64 at) const { return static_cast<qint16>(u16(at)); }
    quint32 u32(qint64 at) const
    {
        const uchar* p = span(at, 4);
        return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
    }
    qint32 s32(qint64 at) const { return static_cast<qint32>(u32(at)); }

private:
    const uchar* data_;
    qsizetype size_;
};
