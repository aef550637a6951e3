#pragma once

#include "skin/core/tscommondata.h"

#include <QScrollBar>

// Until it paints itself from the skin, a skinned QScrollBar is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit TsScrollBar(QWidget* parent = nullptr);
    ~TsScrollBar() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
