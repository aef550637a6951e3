#pragma once

#include <QPlainTextEdit>

// Until it paints itself from the skin, a skinned QPlainTextEdit is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TsMemo(QWidget* parent = nullptr);
};
