#include "platform/mathpicture.h"

#include "platform/mathformula.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using Kind = MathFormula::Kind;

// A formula's extent from its baseline: advance, height above and depth below.
struct Box {
    qreal width = 0, ascent = 0, descent = 0;
};

// Operators that a textbook sets with space on both sides.
bool spaced(const QString& op)
{
    static const QString binary = QStringLiteral("=<>≤≥≠≈≡∼±∓+−×·÷→⇒⇔∈");
    return op.size() == 1 && binary.contains(op);
}

// "log", "sin", "lg": a name of a function, set upright and apart from its argument.
bool functionName(const MathFormula& part)
{
    const bool scripted = part.kind == Kind::Sub || part.kind == Kind::Sup || part.kind == Kind::SubSup;
    const MathFormula& name = scripted ? part.parts[0] : part;
    return name.kind == Kind::Identifier && name.text.size() > 1;
}

QString shown(const MathFormula& token)
{
    // A hyphen typed for minus would be set short and low.
    return token.kind == Kind::Operator && token.text == u"-" ? QStringLiteral("−") : token.text;
}

// Lays a formula out and, when given a painter, draws it with its baseline's left end at `at`.
class Layout {
public:
    Layout(QPainter* painter, const QColor& colour) : painter_(painter), colour_(colour) {}

    Box place(const MathFormula& formula, const QFont& font, QPointF at)
    {
        switch (formula.kind) {
        case Kind::Identifier:
        case Kind::Number:
        case Kind::Operator:
        case Kind::Text: return token(formula, font, at);
        case Kind::Row: return row(formula.parts, font, at);
        case Kind::SquareRoot: return root(formula.parts[0], nullptr, font, at);
        case Kind::Root: return root(formula.parts[0], &formula.parts[1], font, at);
        case Kind::Fraction: return fraction(formula.parts[0], formula.parts[1], font, at);
        case Kind::Sub: return scripts(formula.parts[0], &formula.parts[1], nullptr, font, at);
        case Kind::Sup: return scripts(formula.parts[0], nullptr, &formula.parts[1], font, at);
        case Kind::SubSup: return scripts(formula.parts[0], &formula.parts[1], &formula.parts[2], font, at);
        case Kind::Under: return limits(formula.parts[0], &formula.parts[1], nullptr, font, at);
        case Kind::Over: return limits(formula.parts[0], nullptr, &formula.parts[1], font, at);
        case Kind::UnderOver: return limits(formula.parts[0], &formula.parts[1], &formula.parts[2], font, at);
        }
        return {};
    }

    static QFont scaled(const QFont& font, qreal factor)
    {
        QFont smaller = font;
        // Below this a script is a smudge rather than a letter.
        constexpr int smallestPixels = 7;
        smaller.setPixelSize(std::max(smallestPixels, int(std::lround(font.pixelSize() * factor))));
        return smaller;
    }
    static qreal em(const QFont& font) { return font.pixelSize(); }
    static qreal axis(const QFont& font) { return QFontMetricsF(font).xHeight() / 2; }
    static qreal rule(const QFont& font) { return std::max<qreal>(1, em(font) / 16); }

private:
    Box token(const MathFormula& formula, const QFont& font, QPointF at)
    {
        static const QString largeOperators = QStringLiteral("∑∏∫∮⋃⋂");
        // A sum's or an integral's sign stands taller than the letters beside it, as in print.
        QFont face = formula.kind == Kind::Operator && formula.text.size() == 1 && largeOperators.contains(formula.text)
                         ? scaled(font, 1.4)
                         : font;
        // A one-letter identifier is a variable and is set in italics, as in print.
        face.setItalic(formula.kind == Kind::Identifier && formula.text.size() == 1);
        const QFontMetricsF metrics(face);
        const QString text = shown(formula);
        const Box box{metrics.horizontalAdvance(text), metrics.ascent(), metrics.descent()};
        if (painter_) {
            painter_->setFont(face);
            painter_->setPen(colour_);
            painter_->drawText(at, text);
        }
        return box;
    }

    Box row(const std::vector<MathFormula>& parts, const QFont& font, QPointF at)
    {
        const QFontMetricsF metrics(font);
        Box box{0, metrics.ascent(), metrics.descent()};
        const qreal space = em(font) * 0.22;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const bool around = i > 0 && parts[i].kind == Kind::Operator && spaced(shown(parts[i]));
            const bool named = i > 0 && functionName(parts[i]) && parts[i - 1].kind != Kind::Operator;
            if (around || named)
                box.width += named ? space * 0.75 : space;
            const Box part = place(parts[i], font, at + QPointF(box.width, 0));
            const bool apart = functionName(parts[i]) && i + 1 < parts.size() && parts[i + 1].kind != Kind::Operator;
            box.width += part.width + (around ? space : 0) + (apart ? space * 0.75 : 0);
            box.ascent = std::max(box.ascent, part.ascent);
            box.descent = std::max(box.descent, part.descent);
        }
        return box;
    }

    Box measure(const MathFormula& formula, const QFont& font)
    {
        QPainter* painter = std::exchange(painter_, nullptr);
        const Box box = place(formula, font, {});
        painter_ = painter;
        return box;
    }

    void line(QPointF from, QPointF to, qreal width)
    {
        if (!painter_)
            return;
        painter_->setPen(QPen(colour_, width, Qt::SolidLine, Qt::FlatCap));
        painter_->drawLine(from, to);
    }

    Box fraction(const MathFormula& numerator, const MathFormula& denominator, const QFont& font, QPointF at)
    {
        const QFont parts = scaled(font, 0.85);
        const Box top = measure(numerator, parts);
        const Box bottom = measure(denominator, parts);
        const qreal bar = rule(font), gap = em(font) * 0.12, pad = em(font) * 0.12, middle = axis(font);
        const qreal width = std::max(top.width, bottom.width) + 2 * pad;
        const qreal topBaseline = -(middle + bar / 2 + gap + top.descent);
        const qreal bottomBaseline = -middle + bar / 2 + gap + bottom.ascent;
        place(numerator, parts, at + QPointF((width - top.width) / 2, topBaseline));
        place(denominator, parts, at + QPointF((width - bottom.width) / 2, bottomBaseline));
        line(at + QPointF(pad / 2, -middle), at + QPointF(width - pad / 2, -middle), bar);
        return {width, -topBaseline + top.ascent, bottomBaseline + bottom.descent};
    }

    Box root(const MathFormula& radicand, const MathFormula* index, const QFont& font, QPointF at)
    {
        const Box inner = measure(radicand, font);
        const qreal bar = rule(font), gap = em(font) * 0.12, sign = em(font) * 0.55;
        const qreal ascent = inner.ascent + gap + bar, descent = inner.descent;
        const qreal height = ascent + descent;
        qreal indent = 0;
        const QFont indexFont = scaled(font, 0.6);
        Box degree;
        if (index) {
            degree = measure(*index, indexFont);
            indent = std::max<qreal>(0, degree.width - sign * 0.5);
        }
        const QPointF left = at + QPointF(indent, 0);
        const qreal top = -ascent + bar / 2, bottom = descent;
        if (painter_) {
            QPainterPath surd(left + QPointF(0, bottom - height * 0.42));
            surd.lineTo(left + QPointF(sign * 0.25, bottom - height * 0.52));
            surd.lineTo(left + QPointF(sign * 0.55, bottom));
            surd.lineTo(left + QPointF(sign, top));
            surd.lineTo(left + QPointF(sign + inner.width + gap, top));
            painter_->setPen(QPen(colour_, bar, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter_->setBrush(Qt::NoBrush);
            painter_->drawPath(surd);
        }
        place(radicand, font, left + QPointF(sign + gap / 2, 0));
        Box box{indent + sign + inner.width + gap, ascent, descent};
        if (index) {
            const qreal indexBaseline = bottom - height * 0.55 - degree.descent;
            place(*index, indexFont, at + QPointF(indent + sign * 0.5 - degree.width, indexBaseline));
            box.ascent = std::max(box.ascent, -indexBaseline + degree.ascent);
        }
        return box;
    }

    Box scripts(const MathFormula& base, const MathFormula* sub, const MathFormula* sup, const QFont& font, QPointF at)
    {
        const Box nucleus = place(base, font, at);
        const QFont small = scaled(font, 0.7);
        const qreal x = nucleus.width + em(font) * 0.05;
        Box box = nucleus;
        qreal widest = 0;
        if (sup) {
            const Box raised = measure(*sup, small);
            const qreal shift = std::max(em(font) * 0.42, nucleus.ascent - raised.ascent * 0.55);
            place(*sup, small, at + QPointF(x, -shift));
            box.ascent = std::max(box.ascent, shift + raised.ascent);
            widest = raised.width;
        }
        if (sub) {
            const Box lowered = measure(*sub, small);
            const qreal shift = std::max(em(font) * 0.25, nucleus.descent);
            place(*sub, small, at + QPointF(x, shift));
            box.descent = std::max(box.descent, shift + lowered.descent);
            widest = std::max(widest, lowered.width);
        }
        box.width = x + widest + em(font) * 0.05;
        return box;
    }

    Box limits(const MathFormula& base, const MathFormula* under, const MathFormula* over, const QFont& font,
               QPointF at)
    {
        const QFont small = scaled(font, 0.7);
        const Box nucleus = measure(base, font);
        const Box below = under ? measure(*under, small) : Box{};
        const Box above = over ? measure(*over, small) : Box{};
        const qreal width = std::max({nucleus.width, below.width, above.width});
        const qreal gap = em(font) * 0.08;
        place(base, font, at + QPointF((width - nucleus.width) / 2, 0));
        Box box{width, nucleus.ascent, nucleus.descent};
        if (under) {
            const qreal baseline = nucleus.descent + gap + below.ascent;
            place(*under, small, at + QPointF((width - below.width) / 2, baseline));
            box.descent = baseline + below.descent;
        }
        if (over) {
            const qreal baseline = -(nucleus.ascent + gap + above.descent);
            place(*over, small, at + QPointF((width - above.width) / 2, baseline));
            box.ascent = -baseline + above.ascent;
        }
        return box;
    }

    QPainter* painter_;
    QColor colour_;
};

} // namespace

QImage MathPicture::draw(const MathFormula& formula, const QFont& textFont, const QColor& colour, qreal pixelRatio)
{
    // Laid out in pixels, so that what is measured is what an image of any density draws.
    QFont font = textFont;
    font.setPixelSize(std::max(1, QFontInfo(textFont).pixelSize()));
    const Box box = Layout(nullptr, colour).place(formula, font, {});
    const qreal middle = Layout::axis(font);
    const qreal half = std::max(box.ascent - middle, box.descent + middle);
    constexpr qreal margin = 1;
    // A formula wider or taller than any page is a damaged file; it is not drawn.
    constexpr qreal largestSide = 8000;
    const QSizeF size(box.width + 2 * margin, 2 * half);
    if (size.width() > largestSide || size.height() > largestSide)
        return {};
    QImage image((size * pixelRatio).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Layout(&painter, colour).place(formula, font, QPointF(margin, half + middle));
    return image;
}
