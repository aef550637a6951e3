#pragma once

#include "skin/controls/tsspeedbutton.h"

// One button of the table navigator: a glyph without caption. The navigator tells it whether it
// repeats while held and whether it carries the keyboard's focus mark, and hears its presses
// through its signals.
class TsNavButton : public TsSpeedButton {
    Q_OBJECT

public:
    TsNavButton(int index, QWidget* parent);

    // Shows the glyph, with a disabled look that is the glyph blended into the button's face, in
    // the skin and without it.
    void setGlyph(const QImage& glyph);
    // Presses the button again and again while it is held down.
    void repeatWhileHeld();
    void setFocusMarked(bool marked);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool focusMarked_ = false;
};
