#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

// The course's pictures are drawings made here: a printing press, a telegraph key, a radio
// tower and the rest. Each has a name by which the catalogue and the slides ask for it.
QImage drawPicture(const QString& name, QSize size);
QStringList pictureNames();
// The shape the drawing was made for; other sizes are letterboxed.
QSize pictureNaturalSize(const QString& name);

// The frames of the animation of radio waves leaving a mast, in the colours of radioWavesPalette().
std::vector<QImage> drawRadioWaves(int side, int frameCount);
std::vector<QRgb> radioWavesPalette();
