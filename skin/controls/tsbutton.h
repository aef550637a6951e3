#pragma once

#include <QPushButton>

// Until it paints itself from the skin, a skinned QPushButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsButton : public QPushButton {
    Q_OBJECT

public:
    explicit TsButton(QWidget* parent = nullptr);
};
