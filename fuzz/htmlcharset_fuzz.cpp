// A lecture's bytes: the charset it declares, its text decoded as the HTML view decodes it, and
// whether that text is text at all.

#include "fuzz/fuzzsupport.h"

#include "platform/htmlview.h"
#include "platform/textdecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    HtmlView::declaredCharset(bytes);
    readsAsText(HtmlView::decodeHtml(bytes));
    return 0;
}
