#pragma once

#include "skin/core/tscommondata.h"

#include <QWidget>

// Until it paints itself from the skin, a skinned QWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsTabSheet : public QWidget {
    Q_OBJECT

public:
    explicit TsTabSheet(QWidget* parent = nullptr);
    ~TsTabSheet() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
