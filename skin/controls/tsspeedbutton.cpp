#include "skin/controls/tsspeedbutton.h"

TsSpeedButton::TsSpeedButton(QWidget* parent) : QToolButton(parent) {}
