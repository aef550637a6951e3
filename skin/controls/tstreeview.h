#pragma once

#include "skin/core/tscommondata.h"

#include <QTreeWidget>

// Until it paints itself from the skin, a skinned QTreeWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TsTreeView(QWidget* parent = nullptr);
    ~TsTreeView() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
