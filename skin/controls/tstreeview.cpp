#include "skin/controls/tstreeview.h"

TsTreeView::TsTreeView(QWidget* parent) : QTreeWidget(parent) {}
