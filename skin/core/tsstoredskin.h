#pragma once

// A whole skin kept inside the program. Its collections and bitmap are values, so a copy of the
// list of stored skins is a copy of the skins.

#include "skin/core/tsskingeneral.h"
#include "skin/core/tsskinimage.h"
#include "skin/core/tsskinpattern.h"

#include <QImage>
#include <QList>
#include <QString>

struct TsStoredSkin {
    QString Name;
    TsSkinGenerals GeneralData;
    TsSkinImages Images;
    TsSkinPatterns Patterns;
    QImage MasterBitmap;
};
using TsStoredSkins = QList<TsStoredSkin>;
