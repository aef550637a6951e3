#include "skin/controls/tsradiobutton.h"

TsRadioButton::TsRadioButton(QWidget* parent) : QRadioButton(parent) {}
