#include "skin/controls/tslistbox.h"

void TsListBox::setMultiSelect(bool multiSelect)
{
    setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}
