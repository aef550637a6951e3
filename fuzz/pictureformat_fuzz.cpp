// A picture file without an extension: its format is recognised by content, then it is drawn.

#include "fuzz/fuzzsupport.h"

#include "platform/apperror.h"
#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureGuiApplication();
    try {
        Picture::fromData(fuzzBytes(data, size), QString()).image();
    } catch (const AppError&) {
        // A refused file is an answer; only a crash or a sanitizer report is a finding.
    }
    return 0;
}
