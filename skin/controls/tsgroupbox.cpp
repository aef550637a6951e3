#include "skin/controls/tsgroupbox.h"

TsGroupBox::TsGroupBox(QWidget* parent) : QGroupBox(parent) {}
