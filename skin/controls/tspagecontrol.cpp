#include "skin/controls/tspagecontrol.h"

TsPageControl::TsPageControl(QWidget* parent) : QTabWidget(parent) {}
