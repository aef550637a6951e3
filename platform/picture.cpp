#include "platform/picture.h"

#include "platform/apperror.h"
#include "platform/bmpdecoder.h"
#include "platform/icodecoder.h"
#include "platform/jpegdecoder.h"
#include "platform/metafile.h"
#include "platform/programfolder.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace {
enum class Kind { Jpeg, Bitmap, Icon, EnhancedMetafile, Metafile, Unknown };

Kind kindOfExtension(const QString& extension)
{
    if (extension == u"jpg" || extension == u"jpeg")
        return Kind::Jpeg;
    if (extension == u"bmp")
        return Kind::Bitmap;
    if (extension == u"ico")
        return Kind::Icon;
    if (extension == u"emf")
        return Kind::EnhancedMetafile;
    if (extension == u"wmf")
        return Kind::Metafile;
    return Kind::Unknown;
}

// A name without extension: the first bytes tell the format.
Kind kindOfContent(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return Kind::Bitmap;
    if (bytes.startsWith(QByteArray("\xFF\xD8\xFF", 3)))
        return Kind::Jpeg;
    if (bytes.startsWith(QByteArray("\0\0\1\0", 4)))
        return Kind::Icon;
    if (isPlaceableMetafile(bytes))
        return Kind::Metafile;
    if (isEnhancedMetafile(bytes))
        return Kind::EnhancedMetafile;
    return Kind::Unknown;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    const bool folder = QFileInfo(path).isDir();
    if (folder || !file.open(QIODevice::ReadOnly)) {
        const QString reason = folder ? QString::fromLocal8Bit(std::strerror(EISDIR)) : file.errorString();
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    }
    return file.readAll();
}
} // namespace

Picture Picture::fromImage(const QImage& image)
{
    Picture picture;
    if (!image.isNull()) {
        picture.state_ = std::make_shared<State>();
        picture.state_->image = image;
        picture.state_->size = image.size();
    }
    return picture;
}

QString Picture::extensionOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

Picture Picture::fromData(const QByteArray& bytes, const QString& extension)
{
    Kind kind = kindOfExtension(extension.toLower());
    if (extension.isEmpty()) {
        kind = kindOfContent(bytes);
        if (kind == Kind::Unknown)
            throw AppError(QStringLiteral("Unknown picture format"));
    } else if (kind == Kind::Unknown) {
        throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    }
    switch (kind) {
    case Kind::Jpeg: {
        const JpegHeader header = readJpegHeader(bytes);
        Picture picture;
        picture.state_ = std::make_shared<State>();
        picture.state_->jpeg = bytes;
        picture.state_->size = QSize(header.width, header.height);
        return picture;
    }
    case Kind::Bitmap: return fromImage(decodeBmp(bytes));
    case Kind::Icon: return fromImage(decodeIco(bytes));
    case Kind::EnhancedMetafile: return fromImage(renderEnhancedMetafile(bytes));
    case Kind::Metafile: return fromImage(renderPlaceableMetafile(bytes));
    case Kind::Unknown: break;
    }
    return {};
}

Picture Picture::decodeAhead(const QByteArray& jpeg, QImage::Format format)
{
    const JpegHeader header = readJpegHeader(jpeg);
    Picture picture;
    picture.state_ = std::make_shared<State>();
    picture.state_->size = QSize(header.width, header.height);
    picture.state_->format = format;
    try {
        picture.state_->decoding = std::async(std::launch::async, [jpeg, format] { return decodeJpeg(jpeg, format); });
    } catch (const std::system_error&) {
        // No thread to be had: decoded at its first use instead.
        picture.state_->jpeg = jpeg;
    }
    return picture;
}

Picture Picture::load(const QString& path)
{
    const QString local = nativePath(path);
    const QString extension = extensionOf(local);
    if (!extension.isEmpty() && kindOfExtension(extension) == Kind::Unknown)
        throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    return fromData(readFile(local), extension);
}

QSize Picture::size() const
{
    return state_ ? state_->size : QSize();
}

bool Picture::decoded() const
{
    return state_ && state_->jpeg.isEmpty() && !state_->decoding.valid();
}

QImage Picture::image() const
{
    if (!state_ || state_->failed)
        return {};
    if (!state_->jpeg.isEmpty() || state_->decoding.valid()) {
        const QByteArray bytes = std::exchange(state_->jpeg, QByteArray());
        const std::shared_future<QImage> decoding = std::exchange(state_->decoding, {});
        try {
            state_->image = decoding.valid() ? decoding.get() : decodeJpeg(bytes, state_->format);
        } catch (...) {
            state_->failed = true;
            throw;
        }
    }
    return state_->image;
}
