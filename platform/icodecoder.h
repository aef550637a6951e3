#pragma once

#include <QByteArray>
#include <QImage>

// An .ico file: the largest image of the icon (the deepest among equals), stored as a bitmap
// with its transparency mask or as PNG. Damaged data fails with "Icon image is not valid".
QImage decodeIco(const QByteArray& data);
