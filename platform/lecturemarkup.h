#pragma once

#include <QString>

// Lecture HTML as teachers' tools write it, rewritten into what the HTML view reads the way a
// browser would. Word's "Save as Web Page" hides its whole style block inside a comment, fills it
// with its own "mso-" properties and page rules, and measures in centimetres and in the system
// colour "windowtext": the view would drop every style of such a page. Pages written for the web
// float their side navigation, which the view cannot, frame their code by style, and hold SVG
// pictures, clips, recordings and formulas the view does not show. Text and markup the view reads as a
// browser does pass through unchanged.
class LectureMarkup {
public:
    // The page's clips and recordings are looked for relative to `folder`, the page's own; without
    // it their lengths are not shown.
    static QString prepare(const QString& html, const QString& folder = {});
    // A formula the view draws comes to it as an image named by this prefix and its MathML in
    // base64.
    static constexpr QLatin1StringView formulaScheme{"data:application/mathml+xml;base64,"};
    // A style sheet's text (or a style attribute's) with the comment markers, Word's own
    // properties and rules, and the units and colours the view cannot read replaced.
    static QString cleanStyle(QStringView css);
};
