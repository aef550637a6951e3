#pragma once

#include "skin/controls/skinned.h"

#include <QLineEdit>

// A one-line edit.
class TsEdit : public Skinned<TsEdit, QLineEdit, ControlKind::Edit> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
