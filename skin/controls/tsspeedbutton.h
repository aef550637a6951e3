#pragma once

#include <QToolButton>

// Until it paints itself from the skin, a skinned QToolButton is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TsSpeedButton(QWidget* parent = nullptr);
};
