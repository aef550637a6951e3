#include "skin/controls/tsedit.h"

TsEdit::TsEdit(QWidget* parent) : QLineEdit(parent) {}
