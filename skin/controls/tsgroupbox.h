#pragma once

#include "skin/core/tscommondata.h"

#include <QGroupBox>

// Until it paints itself from the skin, a skinned QGroupBox is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TsGroupBox(QWidget* parent = nullptr);
    ~TsGroupBox() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
