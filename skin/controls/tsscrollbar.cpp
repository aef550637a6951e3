#include "skin/controls/tsscrollbar.h"

TsScrollBar::TsScrollBar(QWidget* parent) : QScrollBar(parent) {}
