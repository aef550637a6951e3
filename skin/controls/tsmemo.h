#pragma once

#include "skin/core/tscommondata.h"

#include <QPlainTextEdit>

// Until it paints itself from the skin, a skinned QPlainTextEdit is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TsMemo(QWidget* parent = nullptr);
    ~TsMemo() override;

    TsCommonData SkinData;

protected:
    // Skin messages reach the skin data first; everything else goes on to the framework control.
    bool event(QEvent* event) override;
};
