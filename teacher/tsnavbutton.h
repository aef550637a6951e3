#pragma once

#include "skin/controls/tsspeedbutton.h"

class TsDBNavigator;

// One button of the table navigator: a glyph without caption. "PRIOR" and "NEXT" repeat while
// held (the first repeat after 400 ms, then every 100 ms).
class TsNavButton : public TsSpeedButton {
    Q_OBJECT

public:
    TsNavButton(TsDBNavigator* navigator, int index);

    int index() const { return index_; }

    // Shows the glyph, with a disabled look that is the glyph blended into the button's face.
    void setGlyph(const QImage& glyph);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TsDBNavigator* navigator_;
    int index_;
};
