#include "platform/mathformula.h"

#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <utility>

namespace {

using Kind = MathFormula::Kind;

// MathML written for the web names its characters as HTML does ("&minus;", "&alpha;"), which an
// XML reader does not know without the DTD.
class HtmlEntities : public QXmlStreamEntityResolver {
public:
    QString resolveUndeclaredEntity(const QString& name) override
    {
        const QString reference = u'&' + name + u';';
        const QString character = QTextDocumentFragment::fromHtml(reference).toPlainText();
        return character == reference ? QString() : character;
    }
};

// Nested deeper than this, a formula is a damaged or hostile file rather than mathematics.
constexpr int deepestNesting = 48;

class Reader {
public:
    explicit Reader(const QString& mathml) : xml_(mathml) { xml_.setEntityResolver(&entities_); }

    std::optional<MathFormula> formula()
    {
        while (!xml_.atEnd() && !xml_.isStartElement())
            xml_.readNext();
        if (xml_.name() != u"math")
            return {};
        MathFormula math = element(0);
        if (!supported_ || xml_.hasError() || !drawsSomething(math))
            return {};
        return math;
    }

private:
    static bool drawsSomething(const MathFormula& formula)
    {
        if (!formula.text.trimmed().isEmpty())
            return true;
        for (const MathFormula& part : formula.parts)
            if (drawsSomething(part))
                return true;
        return false;
    }

    MathFormula refuse()
    {
        supported_ = false;
        return {};
    }

    // The element children of the current element, up to its end tag.
    std::vector<MathFormula> children(int depth)
    {
        std::vector<MathFormula> parts;
        while (supported_ && xml_.readNextStartElement())
            parts.push_back(element(depth + 1));
        return parts;
    }

    MathFormula element(int depth)
    {
        if (depth > deepestNesting)
            return refuse();
        const QStringView name = xml_.name();
        static const struct {
            const char16_t* name;
            Kind kind;
        } tokens[] = {
            {u"mi", Kind::Identifier}, {u"mn", Kind::Number}, {u"mo", Kind::Operator}, {u"mtext", Kind::Text}};
        for (const auto& token : tokens)
            if (name == token.name) {
                MathFormula formula{
                    token.kind, xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).simplified(), {}};
                return xml_.hasError() ? refuse() : formula;
            }
        if (name == u"semantics")
            return semantics(depth);
        static const struct {
            const char16_t* name;
            Kind kind;
            int parts; // -1: any number, as in a row
        } layouts[] = {
            {u"math", Kind::Row, -1},           {u"mrow", Kind::Row, -1},         {u"mstyle", Kind::Row, -1},
            {u"mpadded", Kind::Row, -1},        {u"msqrt", Kind::SquareRoot, -1}, {u"mfrac", Kind::Fraction, 2},
            {u"mroot", Kind::Root, 2},          {u"msub", Kind::Sub, 2},          {u"msup", Kind::Sup, 2},
            {u"msubsup", Kind::SubSup, 3},      {u"munder", Kind::Under, 2},      {u"mover", Kind::Over, 2},
            {u"munderover", Kind::UnderOver, 3}};
        for (const auto& layout : layouts)
            if (name == layout.name) {
                MathFormula formula{layout.kind, {}, children(depth)};
                if (layout.parts >= 0 && formula.parts.size() != std::size_t(layout.parts))
                    return refuse();
                if (formula.kind == Kind::SquareRoot)
                    formula.parts = {MathFormula{Kind::Row, {}, std::move(formula.parts)}};
                return formula;
            }
        return refuse();
    }

    // The formula itself is the first child; what follows are annotations for other readers.
    MathFormula semantics(int depth)
    {
        if (!xml_.readNextStartElement())
            return refuse();
        MathFormula formula = element(depth + 1);
        while (supported_ && xml_.readNextStartElement())
            xml_.skipCurrentElement();
        return formula;
    }

    QXmlStreamReader xml_;
    HtmlEntities entities_;
    bool supported_ = true;
};

} // namespace

std::optional<MathFormula> MathFormula::parse(const QString& mathml)
{
    return Reader(mathml).formula();
}
