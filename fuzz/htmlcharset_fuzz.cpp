// A lecture's bytes: the charset it declares, and its text decoded as the HTML view decodes it.

#include "fuzz/fuzzsupport.h"

#include "platform/htmlview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    HtmlView::declaredCharset(bytes);
    HtmlView::decodeHtml(bytes);
    return 0;
}
