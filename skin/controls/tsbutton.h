#pragma once

#include "skin/core/tscommondata.h"

#include <QPushButton>

// Until it paints itself from the skin, a skinned QPushButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsButton : public QPushButton {
    Q_OBJECT

public:
    explicit TsButton(QWidget* parent = nullptr);
    ~TsButton() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
