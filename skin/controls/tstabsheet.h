#pragma once

#include <QWidget>

// Until it paints itself from the skin, a skinned QWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsTabSheet : public QWidget {
    Q_OBJECT

public:
    explicit TsTabSheet(QWidget* parent = nullptr);
};
