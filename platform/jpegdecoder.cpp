#include "platform/jpegdecoder.h"

#include "platform/apperror.h"
#include "platform/largeimage.h"
#include "platform/picturebudget.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void trapError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

// Warnings (level -1) mean damaged data; they end decoding like errors do. Trace messages pass.
void trapWarning(j_common_ptr info, int level)
{
    if (level < 0)
        trapError(info);
}

// libjpeg writes a screen pixel (0xffRRGGBB in memory order) itself, so that nothing converts
// the picture again before it is drawn. The ...A spaces set the fourth byte to 0xff.
constexpr J_COLOR_SPACE screenColorSpace = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything between setjmp and a possible longjmp lives in plain C structures, so that the
// jump skips no C++ destructor. Returns 0 on success, otherwise libjpeg's message code.
int runDecoder(const QByteArray& data, JpegHeader* header, QImage* image, QImage::Format format)
{
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = trapError;
    trap.manager.emit_message = trapWarning;
    if (setjmp(trap.jump)) {
        const int code = trap.manager.msg_code;
        jpeg_destroy_decompress(&info);
        return code == 0 ? JERR_INPUT_EMPTY : code;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    header->width = static_cast<int>(info.image_width);
    header->height = static_cast<int>(info.image_height);
    header->components = info.num_components;
    header->progressive = jpeg_has_multiple_scans(&info);
    if (image) {
        if (qint64(info.image_width) * info.image_height > largestPicturePixels)
            ERREXIT1(&info, JERR_IMAGE_TOO_BIG, unsigned(largestPictureSide));
        const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
        const bool screen = format == QImage::Format_RGB32;
        info.out_color_space = cmyk ? JCS_CMYK : screen ? screenColorSpace : JCS_RGB;
        jpeg_start_decompress(&info);
        const int width = static_cast<int>(info.output_width);
        *image = largeImage(QSize(width, static_cast<int>(info.output_height)), format);
        if (image->isNull()) {
            jpeg_destroy_decompress(&info);
            return JERR_OUT_OF_MEMORY;
        }
        unsigned char* cmykRow = cmyk ? static_cast<unsigned char*>((*info.mem->alloc_small)(
                                     reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, width * 4u))
                                      : nullptr;
        while (info.output_scanline < info.output_height) {
            unsigned char* row = image->scanLine(static_cast<int>(info.output_scanline));
            JSAMPROW target = cmyk ? cmykRow : row;
            jpeg_read_scanlines(&info, &target, 1);
            if (cmyk) {
                // Adobe writes CMYK inverted; each channel times black gives the visible colour.
                for (int x = 0; x < width; ++x) {
                    const unsigned k = cmykRow[4 * x + 3];
                    const int red = cmykRow[4 * x] * k / 255;
                    const int green = cmykRow[4 * x + 1] * k / 255;
                    const int blue = cmykRow[4 * x + 2] * k / 255;
                    if (screen) {
                        reinterpret_cast<QRgb*>(row)[x] = qRgb(red, green, blue);
                    } else {
                        row[3 * x] = static_cast<unsigned char>(red);
                        row[3 * x + 1] = static_cast<unsigned char>(green);
                        row[3 * x + 2] = static_cast<unsigned char>(blue);
                    }
                }
            }
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return 0;
}

} // namespace

QString jpegErrorMessage(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

JpegHeader readJpegHeader(const QByteArray& data)
{
    JpegHeader header;
    if (const int code = runDecoder(data, &header, nullptr, QImage::Format_Invalid))
        throw AppError(jpegErrorMessage(code));
    return header;
}

QImage decodeJpeg(const QByteArray& data, QImage::Format format)
{
    Q_ASSERT(format == QImage::Format_RGB888 || format == QImage::Format_RGB32);
    JpegHeader header;
    QImage image;
    if (const int code = runDecoder(data, &header, &image, format))
        throw AppError(jpegErrorMessage(code));
    return image;
}
