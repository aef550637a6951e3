#pragma once

#include "skin/controls/tsvelvixlistbox.h"

// The list box windows place: the skinned list, whose items can be chosen several at a time.
class TsListBox : public TsVelvixListBox {
    Q_OBJECT

public:
    explicit TsListBox(QWidget* parent = nullptr) : TsVelvixListBox(parent) {}

    // Each click toggles an item's selection, leaving the others chosen.
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::MultiSelection; }
    void setMultiSelect(bool multiSelect);
};
