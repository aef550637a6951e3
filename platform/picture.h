#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <future>
#include <memory>

// A picture loaded from a file, chosen by the file name's extension (case ignored): "jpg" and
// "jpeg", "bmp", "ico", "emf", "wmf"; a name without extension is recognised by its content. Any
// other extension is refused. A JPEG is read only as far as its header when loaded; its pixels
// are decoded when first needed, and damage found then is reported once. Copies share the
// decoded pixels.
class Picture {
public:
    Picture() = default;
    static Picture fromImage(const QImage& image);

    // Throws AppError with the message the user reads; nothing is kept from a failed load.
    static Picture load(const QString& path);
    // The picture in bytes, as load would take it from a file with that extension.
    static Picture fromData(const QByteArray& bytes, const QString& extension);
    // A JPEG in bytes, its header read now and its pixels decoded in `format` on a second thread
    // from now on: for a picture drawn as soon as its window is shown, whose decoding then goes on
    // beside the making of the window. image() waits for it; damage is reported there, as for a
    // JPEG decoded at its first use.
    static Picture decodeAhead(const QByteArray& jpeg, QImage::Format format);

    bool isNull() const { return !state_; }
    QSize size() const;

    // The pixels. The first call on a JPEG decodes it; damage then throws "JPEG error #<n>" and
    // the picture stays empty from then on, so that every later call gives an empty image.
    QImage image() const;
    bool decoded() const;

    // The text after the file name's last dot, lower case; empty when there is none.
    static QString extensionOf(const QString& path);

private:
    struct State {
        QImage image;
        QByteArray jpeg;
        std::shared_future<QImage> decoding;
        QImage::Format format = QImage::Format_RGB888;
        QSize size;
        bool failed = false;
    };
    std::shared_ptr<State> state_;
};
