#pragma once

#include "skin/core/controlstate.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// A button of the program's own, drawn in a skinned title left of the window's buttons.
struct TsTitleButton {
    bool Enabled = true;
    // Centred on the button; its bottom-left pixel is its transparent colour.
    QImage Glyph;
    QString Name;
    // The button takes the skin's "TITLEBUTTON" picture.
    bool UseSkinData = true;

    // Where the frame last drew it, in window coordinates; empty while it is not shown.
    QRect rect;
    ControlState state = ControlState::Normal;
};

using TsTitleButtons = QList<TsTitleButton>;
