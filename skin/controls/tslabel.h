#pragma once

#include <QLabel>

// Until it paints itself from the skin, a skinned QLabel is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsLabel : public QLabel {
    Q_OBJECT

public:
    explicit TsLabel(QWidget* parent = nullptr);
};
