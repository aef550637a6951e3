// A JPEG file: its header alone, as loading reads it, then the whole picture, as the first draw
// decodes it.

#include "fuzz/fuzzsupport.h"

#include "platform/apperror.h"
#include "platform/jpegdecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    try {
        readJpegHeader(bytes);
        decodeJpeg(bytes);
    } catch (const AppError&) {
        // libjpeg's refusal is an answer; only a crash or a sanitizer report is a finding.
    }
    return 0;
}
