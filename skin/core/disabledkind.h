#pragma once

#include <QFlags>

// How a disabled control or glyph is drawn: blended towards what lies under it, greyed, or both.
enum TsDisabledKindItem { dkBlended = 1, dkGrayed = 2 };
Q_DECLARE_FLAGS(TsDisabledKind, TsDisabledKindItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TsDisabledKind)
