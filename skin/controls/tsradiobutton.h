#pragma once

#include <QRadioButton>

// Until it paints itself from the skin, a skinned QRadioButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TsRadioButton(QWidget* parent = nullptr);
};
