#pragma once

// Width, height and pixel count beyond which a picture is taken as damaged rather than allocated.
// 64 million pixels hold the largest photos of today's cameras and stay within 256 MiB decoded; a
// few bytes of run-length data, a JPEG header or a metafile header may claim any size.

#include <QtGlobal>

constexpr qint64 largestPictureSide = 32768;
constexpr qint64 largestPicturePixels = qint64(1) << 26;
