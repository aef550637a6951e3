#pragma once

#include <QTabWidget>

// Until it paints itself from the skin, a skinned QTabWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TsPageControl(QWidget* parent = nullptr);
};
