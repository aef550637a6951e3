#include "skin/controls/tsbutton.h"

TsButton::TsButton(QWidget* parent) : QPushButton(parent) {}
