#pragma once

#include <QPushButton>

// Until it paints itself from the skin, a skinned QPushButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsBitBtn : public QPushButton {
    Q_OBJECT

public:
    explicit TsBitBtn(QWidget* parent = nullptr);
};
