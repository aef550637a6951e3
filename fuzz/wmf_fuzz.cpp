// A .wmf file: parsed when loaded, then decoded or rendered, as the photo window would draw it.

#include "fuzz/fuzzsupport.h"

#include "platform/apperror.h"
#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureGuiApplication();
    try {
        Picture::fromData(fuzzBytes(data, size), QStringLiteral("wmf")).image();
    } catch (const AppError&) {
        // A refused file is an answer; only a crash or a sanitizer report is a finding.
    }
    return 0;
}
