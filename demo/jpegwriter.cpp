#include "jpegwriter.h"

#include <csetjmp>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

struct Compression {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

void onError(j_common_ptr info)
{
    auto* job = static_cast<Compression*>(info->client_data);
    (*info->err->format_message)(info, job->message);
    std::longjmp(job->jump, 1);
}

// Everything libjpeg touches lives in the caller's Compression, outside this frame, so nothing
// here is left indeterminate when libjpeg jumps back to the setjmp.
bool compress(Compression& job, const QImage& rgb, int quality)
{
    if (setjmp(job.jump))
        return false;
    jpeg_create_compress(&job.info);
    job.info.client_data = &job;
    jpeg_mem_dest(&job.info, &job.buffer, &job.size);
    job.info.image_width = static_cast<JDIMENSION>(rgb.width());
    job.info.image_height = static_cast<JDIMENSION>(rgb.height());
    job.info.input_components = 3;
    job.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, quality, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(job.info.next_scanline)));
        jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_compress(&job.info);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        throw std::runtime_error("cannot encode an empty picture as JPEG");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    Compression job;
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = onError;
    job.info.client_data = &job;
    const bool done = compress(job, rgb, quality);
    jpeg_destroy_compress(&job.info);
    QByteArray result;
    if (done)
        result = QByteArray(reinterpret_cast<const char*>(job.buffer), static_cast<qsizetype>(job.size));
    std::free(job.buffer);
    if (!done)
        throw std::runtime_error(std::string("libjpeg: ") + job.message);
    return result;
}
