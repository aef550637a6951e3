#pragma once

#include "skin/core/controlstate.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QPoint>

struct SkinTables;

enum class StateImageMode { Normal = 1, Faint = 2 };

// Draws state image `state` of `mask` whole (not sliced) with its top-left corner at `at`. Faint
// lets about 100/256 of the target show even where the mask is black. The picture of
// master-bitmap masks is the master bitmap of `skin`, the skin the mask belongs to.
void paintStateImage(const SkinTables& skin, QImage& target, QPoint at, ControlState state, const TsMaskData& mask,
                     StateImageMode mode = StateImageMode::Normal);
