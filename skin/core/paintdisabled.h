#pragma once

#include "skin/core/disabledkind.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QPoint>

#include <cstdint>

// Makes a control's painted bitmap look disabled: greyed, and blended towards what lies under it
// (the parent's cached pixels at `position` when the cache is ready, else the parent's colour,
// 0x00BBGGRR).
void paintDisabledLook(QImage& bitmap, TsDisabledKind kind, int32_t parentColor, QPoint position,
                       const TsCacheInfo& parentCache);
