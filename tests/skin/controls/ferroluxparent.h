#pragma once

// The internal skin in force and a parent of a plain known colour that keeps no skin picture, so
// that what a control paints over it is the control's own.

#include "skin/core/paintprimitives.h"
#include "tests/skin/controls/internalskinfixture.h"

#include <QPalette>
#include <QWidget>

class FerroluxParent : public InternalSkinFixture {
protected:
    static constexpr QRgb parentRgb = 0xFF3A7A5C;

    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(parentRgb));
        parent.setPalette(palette);
        parent.resize(320, 160);
    }

    static QRgb rgbAt(const QImage& image, QPoint at) { return image.pixel(at) | 0xFF000000; }

    QWidget parent;
};
