#pragma once

#include <QScrollBar>

// Until it paints itself from the skin, a skinned QScrollBar is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit TsScrollBar(QWidget* parent = nullptr);
};
