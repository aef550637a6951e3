#pragma once

#include <QImage>
#include <QSize>

// An image for a whole photograph. A 12-megapixel photo is 48 MB, which the kernel hands over
// page by page as the decoder first writes it: in 4 KB pages that is 12,000 faults, a quarter of
// the photo's load time, in 2 MB pages a few dozen. So where the system offers large pages, an
// image of many megabytes asks for them; anywhere else, and for small images, it is an ordinary
// image. Null when the memory cannot be had.
QImage largeImage(QSize size, QImage::Format format);
