#pragma once

#include <QFrame>

// Until it paints itself from the skin, a skinned QFrame is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsPanel : public QFrame {
    Q_OBJECT

public:
    explicit TsPanel(QWidget* parent = nullptr);
};
