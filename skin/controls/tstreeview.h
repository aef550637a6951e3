#pragma once

#include "skin/controls/skinned.h"
#include "skin/controls/textareaframe.h"
#include "skin/controls/tsboundlabel.h"

#include <QTreeWidget>

class TsScrollBar;

// A tree of items. While a skin is in force its frame and scroll bars come from the skin and its
// items are drawn in the section's colours; the platform still draws, expands and selects them.
class TsTreeView : public Skinned<TsTreeView, QTreeWidget, ControlKind::TreeView> {
    Q_OBJECT

public:
    explicit TsTreeView(QWidget* parent = nullptr);

    // The caption the control can carry; off unless activated.
    TsBoundLabel BoundLabel{this};

    TsScrollBar* skinnedScrollBar(Qt::Orientation orientation) const { return m_frame.bars().bar(orientation); }

protected:
    bool event(QEvent* event) override;

private:
    TextAreaFrame m_frame;
};
