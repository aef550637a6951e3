#include "skin/controls/tspanel.h"

TsPanel::TsPanel(QWidget* parent) : QFrame(parent) {}
