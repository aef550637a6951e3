#pragma once

#include <QString>
#include <optional>
#include <vector>

// A formula in the subset of MathML that course material uses: identifiers, numbers, operators
// and text, rows, fractions, roots, sub- and superscripts, limits under and over. Read into this
// value, it is laid out as a picture (MathPicture); a formula outside the subset is not read at
// all, so that its alttext or annotation stands in rather than a misleading half of it.
struct MathFormula {
    enum class Kind {
        Identifier,
        Number,
        Operator,
        Text,
        Row,
        Fraction,
        SquareRoot,
        Root,
        Sub,
        Sup,
        SubSup,
        Under,
        Over,
        UnderOver
    };

    Kind kind = Kind::Row;
    // The characters of an identifier, number, operator or text; empty for the other kinds.
    QString text;
    // In MathML's order: a fraction's numerator and denominator, a root's radicand and index (a
    // square root's one radicand is the row of its children), a script's base and scripts (sub
    // before sup, under before over).
    std::vector<MathFormula> parts;

    // The formula of a <math> element; nothing when the markup is not well-formed, holds nothing
    // to draw, or uses a construct outside the subset.
    static std::optional<MathFormula> parse(const QString& mathml);
};
