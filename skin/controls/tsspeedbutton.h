#pragma once

#include "skin/core/tscommondata.h"

#include <QToolButton>

// Until it paints itself from the skin, a skinned QToolButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TsSpeedButton(QWidget* parent = nullptr);
    ~TsSpeedButton() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
