#include "platform/icodecoder.h"

#include "platform/apperror.h"
#include "platform/bmpdecoder.h"
#include "platform/picturebytes.h"

namespace {
constexpr qint64 directoryEntrySize = 16;

bool isPng(const PictureBytes& bytes, qint64 at)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.contains(at, 8) && std::equal(signature, signature + 8, bytes.span(at, 8));
}

bool hasAnyAlpha(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]))
                return true;
    }
    return false;
}

// The one-bit mask after the colour rows: a set bit leaves the pixel transparent. Icons whose
// 32-bit pixels carry their own transparency keep it; a mask cut short leaves the rest opaque.
void applyMask(QImage& image, const PictureBytes& bytes, qint64 maskAt)
{
    const bool ownAlpha = image.format() == QImage::Format_ARGB32 && hasAnyAlpha(image);
    if (ownAlpha)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const qint64 stride = ((qint64(image.width()) + 31) / 32) * 4;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const qint64 rowAt = maskAt + (image.height() - 1 - y) * stride;
        const bool rowThere = bytes.contains(rowAt, stride);
        for (int x = 0; x < image.width(); ++x) {
            const bool clear = rowThere && (bytes.u8(rowAt + x / 8) >> (7 - x % 8) & 1);
            line[x] = clear ? qRgba(0, 0, 0, 0) : (line[x] | 0xFF000000u);
        }
    }
}

QImage decodeEntry(const PictureBytes& icon)
{
    if (isPng(icon, 0)) {
        QImage image = QImage::fromData(icon.span(0, icon.size()), int(icon.size()), "PNG");
        if (image.isNull())
            throw PictureDataError{};
        return image;
    }
    DibLayout layout;
    layout.iconHeight = true;
    layout.alpha = true;
    // No icon is larger than this; a few bytes of run-length data claiming a photo's size are
    // damage, not an icon worth seconds of decoding.
    layout.largestSide = 1024;
    qint64 maskAt = 0;
    QImage image = decodeDib(icon, 0, layout, &maskAt);
    applyMask(image, icon, maskAt);
    return image;
}
} // namespace

QImage decodeIco(const QByteArray& data)
{
    try {
        const PictureBytes bytes(data);
        const int count = bytes.u16(4);
        if (bytes.u16(0) != 0 || bytes.u16(2) != 1 || count == 0)
            throw PictureDataError{};
        int best = -1;
        qint64 bestArea = -1;
        int bestDepth = -1;
        for (int index = 0; index < count; ++index) {
            const qint64 entry = 6 + index * directoryEntrySize;
            const qint64 width = bytes.u8(entry) ? bytes.u8(entry) : 256;
            const qint64 height = bytes.u8(entry + 1) ? bytes.u8(entry + 1) : 256;
            const int depth = bytes.u16(entry + 6);
            if (width * height > bestArea || (width * height == bestArea && depth > bestDepth)) {
                best = index;
                bestArea = width * height;
                bestDepth = depth;
            }
        }
        const qint64 entry = 6 + best * directoryEntrySize;
        return decodeEntry(bytes.slice(bytes.u32(entry + 12), bytes.u32(entry + 8)));
    } catch (const PictureDataError&) {
        throw AppError(QStringLiteral("Icon image is not valid"));
    }
}
