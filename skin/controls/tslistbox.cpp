#include "skin/controls/tslistbox.h"

TsListBox::TsListBox(QWidget* parent) : QListWidget(parent) {}
