#pragma once

// A picture of a skin kept inside the program: a rectangle of the master bitmap, or (ImageCount
// 0) a picture of its own.

#include <QImage>
#include <QList>
#include <QString>

struct TsSkinImage {
    QString SectionName;
    QImage Image;
    QString Name;
    QString PropertyName;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int ImageCount = 1;
    int MaskType = 0;
    int BorderWidth = 0;
};
using TsSkinImages = QList<TsSkinImage>;
