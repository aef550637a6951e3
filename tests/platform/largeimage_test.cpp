#include "platform/largeimage.h"

#include <gtest/gtest.h>

namespace {

// An image in large pages behaves as any other image: laid out as the toolkit lays out its own,
// written and read back, and copied on write, whether it is a photo's size or an icon's.
TEST(LargeImage, IsAnOrdinaryImageToItsUsers)
{
    for (const QSize size : {QSize(16, 16), QSize(4000, 3000), QSize(2999, 1999)}) {
        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
            QImage image = largeImage(size, format);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), size);
            EXPECT_EQ(image.format(), format);
            EXPECT_EQ(image.bytesPerLine(), QImage(size, format).bytesPerLine());
            image.fill(Qt::darkCyan);
            image.setPixel(size.width() - 1, size.height() - 1, qRgb(1, 2, 3));
            QImage copy = image;
            copy.setPixel(0, 0, qRgb(9, 9, 9));
            EXPECT_EQ(image.pixel(0, 0), QColor(Qt::darkCyan).rgb()) << "the original is not written through a copy";
            EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), qRgb(1, 2, 3));
            EXPECT_EQ(copy.pixel(0, 0), qRgb(9, 9, 9));
        }
    }
}

} // namespace
