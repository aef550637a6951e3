#pragma once

#include "skin/core/tscommondata.h"

#include <QRadioButton>

// Until it paints itself from the skin, a skinned QRadioButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TsRadioButton(QWidget* parent = nullptr);
    ~TsRadioButton() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
