#pragma once

#include <QByteArray>
#include <QImage>

// Baseline three-component JPEG through libjpeg itself, so the course's photos are exactly the
// kind of file the program's own libjpeg decoder has to read.
QByteArray encodeJpeg(const QImage& image, int quality = 88);
