#pragma once

// One section of a skin kept inside the program, as its author wrote it. The loader turns it into
// a run-time section record (TsGeneralData) key by key, as sectionkeys.h pairs the members.

#include "skin/core/skintypes.h"

#include <QList>
#include <QString>

struct TsSkinGeneral {
    QString SectionName;
    QString ParentClass;
    int32_t Color = clWhite;
    TsControlBevel Bevel = cbNone;
    int32_t ShadowBlur = 6;
    int32_t ShadowColor = 0;
    bool ShadowDontUse = false;
    bool ShadowEnabled = false;
    bool ReservedBoolean = false;
    int32_t ShadowOffset = 3;
    int32_t ShadowTransparency = 50;
    QString FontColor = QStringLiteral("0 -1 -1 -1 -1");
    QString HotFontColor = QStringLiteral("0 -1 -1 -1 -1");
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    QString GradientData = QStringLiteral(" ");
    int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int32_t FadingIntervalIn = 5;
    int32_t FadingIntervalOut = 5;
    int32_t FadingIterations = 5;
    int32_t HotColor = clWhite;
    int32_t HotTransparency = 0;
    TsControlBevel HotBevel = cbNone;
    int32_t HotGradientPercent = 0;
    QString HotGradientData;
    int32_t HotImagePercent = 0;
    int32_t BorderColor1 = 0;
    int32_t BorderColor2 = 0;
    QString Name;
};
using TsSkinGenerals = QList<TsSkinGeneral>;
