#pragma once

#include <QListWidget>

// Until it paints itself from the skin, a skinned QListWidget is the platform's own control, so that
// windows built with it need no change when skinning arrives.
class TsListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TsListBox(QWidget* parent = nullptr);
};
