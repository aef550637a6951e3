#pragma once

#include <QPushButton>

// A skinned title button as screen readers see it: a push button at the button's place that
// paints nothing and lets the mouse through to the frame, which draws and handles the real one.
// Pressing it through accessibility clicks it.
class SkinProviderButton : public QPushButton {
    Q_OBJECT

public:
    explicit SkinProviderButton(QWidget* form);

protected:
    void paintEvent(QPaintEvent* event) override;
};
