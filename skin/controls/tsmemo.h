#pragma once

#include "skin/controls/skinned.h"

#include <QPlainTextEdit>

// A text box of several lines.
class TsMemo : public Skinned<TsMemo, QPlainTextEdit, ControlKind::Memo> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
