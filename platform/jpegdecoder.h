#pragma once

#include <QByteArray>
#include <QImage>

// JPEG decoding straight through libjpeg. Any damage the decoder notices, including the warnings
// it would otherwise paper over with grey (a file cut short, corrupt entropy data), fails with
// "JPEG error #<n>", n being libjpeg's own message code.
struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
};

JpegHeader readJpegHeader(const QByteArray& data);
// Full size, in Format_RGB888 or, for a picture that goes straight to the screen, Format_RGB32.
QImage decodeJpeg(const QByteArray& data, QImage::Format format = QImage::Format_RGB888);

QString jpegErrorMessage(int code);
