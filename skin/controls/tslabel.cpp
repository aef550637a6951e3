#include "skin/controls/tslabel.h"

TsLabel::TsLabel(QWidget* parent) : QLabel(parent)
{}
