#include "skin/controls/tsbitbtn.h"

TsBitBtn::TsBitBtn(QWidget* parent) : QPushButton(parent) {}
