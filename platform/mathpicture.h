#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

struct MathFormula;

// A formula laid out as a textbook sets it, in the font of the text around it: a fraction's
// numerator over its denominator, a root under its sign, scripts raised and lowered, limits
// under and over. The picture is as high above the formula's axis (where a fraction's bar
// lies, half an x-height above the baseline) as below it, so that a view that centres a
// picture on half the x-height of its line puts the formula's baseline on the line's.
class MathPicture {
public:
    // Drawn with pixelRatio pixels to the unit of the font's size, so that it stays sharp on a
    // high-density screen; the image carries that ratio.
    static QImage draw(const MathFormula& formula, const QFont& font, const QColor& colour, qreal pixelRatio);
};
