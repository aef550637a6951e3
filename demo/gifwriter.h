#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <vector>

// An endlessly looping animated GIF. Every frame is drawn in the colours of one shared palette
// (at most 256); a pixel of any other colour takes the nearest palette colour.
QByteArray encodeAnimatedGif(const std::vector<QImage>& frames, const std::vector<QRgb>& palette, int delayHundredths);
