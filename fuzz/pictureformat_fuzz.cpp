// A picture file without an extension: its format is recognised by content, then it is drawn.

#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    loadAndDrawPicture(data, size, QString());
    return 0;
}
