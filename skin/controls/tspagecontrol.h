#pragma once

#include "skin/core/tscommondata.h"

#include <QTabWidget>

// Until it paints itself from the skin, a skinned QTabWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TsPageControl(QWidget* parent = nullptr);
    ~TsPageControl() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
