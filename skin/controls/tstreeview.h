#pragma once

#include <QTreeWidget>

// Until it paints itself from the skin, a skinned QTreeWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TsTreeView(QWidget* parent = nullptr);
};
