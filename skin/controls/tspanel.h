#pragma once

#include "skin/core/tscommondata.h"

#include <QFrame>

// Until it paints itself from the skin, a skinned QFrame is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsPanel : public QFrame {
    Q_OBJECT

public:
    explicit TsPanel(QWidget* parent = nullptr);
    ~TsPanel() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
