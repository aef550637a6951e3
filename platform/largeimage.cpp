#include "platform/largeimage.h"

#include <cstdlib>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

#ifdef __linux__
constexpr qsizetype largePage = 2 * 1024 * 1024;
// Below this, the faults of ordinary pages cost less than asking for large ones.
constexpr qsizetype smallestLargeImage = 8 * largePage;

void release(void* memory)
{
    std::free(memory);
}

QImage imageInLargePages(QSize size, QImage::Format format)
{
    const qsizetype bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows padded to 32 bits, as the toolkit lays out images of its own.
    const qsizetype bytesPerLine = (size.width() * bitsPerPixel + 31) / 32 * 4;
    if (bytesPerLine <= 0 || size.height() <= 0 || bytesPerLine > std::numeric_limits<qsizetype>::max() / size.height())
        return {};
    const qsizetype bytes = bytesPerLine * size.height();
    if (bytes < smallestLargeImage)
        return {};
    const size_t rounded = size_t((bytes + largePage - 1) / largePage * largePage);
    void* memory = std::aligned_alloc(size_t(largePage), rounded);
    if (!memory)
        return {};
    // Only advice: a system without large pages to spare gives ordinary ones.
    madvise(memory, rounded, MADV_HUGEPAGE);
    QImage image(static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine, format, release, memory);
    if (image.isNull())
        std::free(memory);
    return image;
}
#endif

} // namespace

QImage largeImage(QSize size, QImage::Format format)
{
#ifdef __linux__
    QImage image = imageInLargePages(size, format);
    if (!image.isNull())
        return image;
#endif
    return QImage(size, format);
}
