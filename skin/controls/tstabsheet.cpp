#include "skin/controls/tstabsheet.h"

TsTabSheet::TsTabSheet(QWidget* parent) : QWidget(parent) {}
