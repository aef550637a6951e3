#pragma once

#include "skin/core/tscommondata.h"

#include <QListWidget>

// Until it paints itself from the skin, a skinned QListWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TsListBox(QWidget* parent = nullptr);
    ~TsListBox() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
