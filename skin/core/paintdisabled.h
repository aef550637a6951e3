#pragma once

#include "skin/core/skintypes.h"

#include <QFlags>
#include <QImage>
#include <QPoint>

#include <cstdint>

enum TsDisabledKindItem { dkBlended = 1, dkGrayed = 2 };
Q_DECLARE_FLAGS(TsDisabledKind, TsDisabledKindItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TsDisabledKind)

// Makes a control's painted bitmap look disabled: greyed, and blended towards what lies under it
// (the parent's cached pixels at `position` when the cache is ready, else the parent's colour,
// 0x00BBGGRR).
void paintDisabledLook(QImage& bitmap, TsDisabledKind kind, int32_t parentColor, QPoint position,
                       const TsCacheInfo& parentCache);
