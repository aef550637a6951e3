#pragma once

#include <QLabel>

// A label paints no skin section of its own: this is the platform's QLabel under the name that the
// windows and the edit captions (TsEditLabel) use for a label.
class TsLabel : public QLabel {
    Q_OBJECT

public:
    explicit TsLabel(QWidget* parent = nullptr);
};
