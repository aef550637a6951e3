#include "skin/controls/tsmemo.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent) {}
