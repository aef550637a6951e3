// A .bmp file: parsed when loaded, then decoded or rendered, as the photo window would draw it.

#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    loadAndDrawPicture(data, size, QStringLiteral("bmp"));
    return 0;
}
