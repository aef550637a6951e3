#include "platform/htmlview.h"

#include "platform/apperror.h"
#include "platform/lecturemarkup.h"
#include "platform/picture.h"
#include "platform/programfolder.h"
#include "platform/shellopen.h"
#include "platform/textdecoding.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QTimer>

namespace {
// Charset declarations sit in the head; browsers look no further than this.
constexpr qsizetype charsetSearchLength = 4096;

// Drawn at its declared size with twice the pixels, an SVG picture stays sharp on a high-density
// screen and in print. A declared size beyond any page is a fault of the file, not a picture.
QImage svgImage(const QByteArray& bytes)
{
    constexpr int largestSide = 10000;
    constexpr qreal pixelRatio = 2;
    QSvgRenderer renderer(bytes);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty() || size.width() > largestSide || size.height() > largestSide)
        return {};
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

bool isSvg(const QByteArray& bytes, const QString& path)
{
    return Picture::extensionOf(path).compare(u"svg", Qt::CaseInsensitive) == 0 || bytes.left(512).contains("<svg");
}

// Pictures in pages go through Qt's readers first (PNG and GIF are common on the web), then ours,
// which also know metafiles and do not depend on an image plugin being installed.
QImage documentImage(const QByteArray& bytes, const QString& path)
{
    if (isSvg(bytes, path))
        return svgImage(bytes);
    QImage image = QImage::fromData(bytes);
    if (!image.isNull())
        return image;
    try {
        return Picture::fromData(bytes, Picture::extensionOf(path)).image();
    } catch (const AppError&) {
        return {};
    }
}

bool isHtmlFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"htm" || suffix == u"html" || suffix == u"txt";
}
} // namespace

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlView::followLink);
}

QByteArray HtmlView::declaredCharset(const QByteArray& bytes)
{
    static const QRegularExpression charset(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(charsetSearchLength));
    const QRegularExpressionMatch match = charset.match(head);
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

QString HtmlView::decodeHtml(const QByteArray& bytes)
{
    // A byte-order mark outweighs what the document declares.
    const QByteArray declared = QStringConverter::encodingForData(bytes) ? QByteArray() : declaredCharset(bytes);
    if (!declared.isEmpty()) {
        QStringDecoder decoder(declared.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return decodeUndeclaredText(bytes);
}

QString HtmlView::readDocument(const QString& path, QString* whyNot)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        *whyNot = QStringLiteral("Это папка, а не файл.");
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *whyNot = file.errorString();
        return {};
    }
    if (file.size() > largestDocument) {
        *whyNot = QStringLiteral("Файл слишком велик.");
        return {};
    }
    QString text = decodeHtml(file.readAll());
    if (!readsAsText(text)) {
        *whyNot = QStringLiteral("Это не текст: файл повреждён или в нём данные другого рода.");
        return {};
    }
    return text;
}

void HtmlView::navigate(const QString& path)
{
    location_ = path;
    fragment_.clear();
    if (loadPending_)
        return;
    loadPending_ = true;
    QTimer::singleShot(0, this, &HtmlView::loadNow);
}

void HtmlView::loadNow()
{
    loadPending_ = false;
    emit documentAboutToChange();
    const QString path = nativePath(location_);
    QString reason;
    const QString text = readDocument(path, &reason);
    if (!reason.isEmpty()) {
        showNotice(path, reason);
    } else {
        document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
        if (QFileInfo(path).suffix().compare(u"txt", Qt::CaseInsensitive) == 0)
            setPlainText(text);
        else
            setHtml(LectureMarkup::prepare(text));
        if (!fragment_.isEmpty())
            scrollToAnchor(fragment_);
    }
    // A screen reader names the view after the document on show, as a browser names its page.
    const QString title = documentTitle().simplified();
    setAccessibleName(title.isEmpty() ? QFileInfo(path).completeBaseName() : title);
    emit loadFinished(location_);
}

void HtmlView::showNotice(const QString& path, const QString& reason)
{
    document()->setBaseUrl(QUrl());
    setPlainText(QStringLiteral("Страницу не удаётся показать.\n\n%1\n%2").arg(QDir::toNativeSeparators(path), reason));
}

QVariant HtmlView::loadResource(int type, const QUrl& name)
{
    // An inline SVG picture comes to the view as a data URL of the lecture itself.
    if (name.scheme() == u"data" && type == QTextDocument::ImageResource) {
        const QByteArray data = name.toString(QUrl::FullyEncoded).toLatin1();
        const qsizetype comma = data.indexOf(',');
        if (comma < 0)
            return {};
        const QByteArray header = data.left(comma);
        const QByteArray payload = QByteArray::fromPercentEncoding(data.mid(comma + 1));
        return documentImage(header.endsWith(";base64") ? QByteArray::fromBase64(payload) : payload, QString());
    }
    const QUrl url = name.isRelative() ? document()->baseUrl().resolved(name) : name;
    if (!url.isLocalFile())
        return {};
    QFile file(url.toLocalFile());
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestDocument)
        return {};
    const QByteArray bytes = file.readAll();
    switch (type) {
    case QTextDocument::ImageResource: return documentImage(bytes, url.toLocalFile());
    case QTextDocument::StyleSheetResource: return LectureMarkup::cleanStyle(decodeHtml(bytes));
    case QTextDocument::HtmlResource: return decodeHtml(bytes);
    default: return bytes;
    }
}

void HtmlView::keyPressEvent(QKeyEvent* event)
{
    // A read-only browser moves only its hidden caret on Ctrl+Home and Ctrl+End; a reader means
    // the top and the end of the lecture.
    const bool toStart = event->matches(QKeySequence::MoveToStartOfDocument);
    if (toStart || event->matches(QKeySequence::MoveToEndOfDocument)) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(toStart ? bar->minimum() : bar->maximum());
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void HtmlView::followLink(const QUrl& link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
        return;
    }
    const QUrl url = link.isRelative() ? document()->baseUrl().resolved(link) : link;
    if (!url.isLocalFile()) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QString target = url.toLocalFile();
    if (isHtmlFile(target)) {
        navigate(target);
        fragment_ = url.fragment();
    } else {
        shellOpen(target);
    }
}
