#pragma once

#include "skin/core/tscommondata.h"

#include <QLineEdit>

// Until it paints itself from the skin, a skinned QLineEdit is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TsEdit(QWidget* parent = nullptr);
    ~TsEdit() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
