// A lecture's text as the HTML view rewrites it, and the same text read as a MathML formula and
// drawn as the view draws one.

#include "fuzz/fuzzsupport.h"

#include "platform/htmlview.h"
#include "platform/lecturemarkup.h"
#include "platform/mathformula.h"
#include "platform/mathpicture.h"

#include <QFont>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureGuiApplication();
    const QString text = HtmlView::decodeHtml(fuzzBytes(data, size));
    LectureMarkup::prepare(text);
    if (const std::optional<MathFormula> formula = MathFormula::parse(text))
        MathPicture::draw(*formula, QFont(), Qt::black, 2);
    return 0;
}
