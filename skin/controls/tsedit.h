#pragma once

#include <QLineEdit>

// Until it paints itself from the skin, a skinned QLineEdit is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TsEdit(QWidget* parent = nullptr);
};
