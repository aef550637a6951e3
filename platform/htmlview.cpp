#include "platform/htmlview.h"

#include "platform/apperror.h"
#include "platform/lecturemarkup.h"
#include "platform/mathformula.h"
#include "platform/mathpicture.h"
#include "platform/picture.h"
#include "platform/programfolder.h"
#include "platform/shellopen.h"
#include "platform/textdecoding.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QSvgRenderer>
#include <QTimer>
#include <optional>
#include <vector>

namespace {
// Charset declarations sit in the head; browsers look no further than this.
constexpr qsizetype charsetSearchLength = 4096;

// Drawn with twice the pixels, an SVG picture stays sharp on a high-density screen and in print.
constexpr qreal pictureRatio = 2;

// A declared size beyond any page is a fault of the file, not a picture.
bool drawableSize(const QSizeF& size)
{
    constexpr int largestSide = 10000;
    return !size.isEmpty() && size.width() <= largestSide && size.height() <= largestSide;
}

// An SVG picture drawn at the size it is shown at, by default the size it declares.
QImage svgImage(const QByteArray& bytes, QSizeF shown = {})
{
    QSvgRenderer renderer(bytes);
    if (shown.isEmpty())
        shown = renderer.defaultSize();
    if (!renderer.isValid() || !drawableSize(shown))
        return {};
    QImage image((shown * pictureRatio).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(pictureRatio);
    return image;
}

// The bytes a data URL holds, or nothing when the URL is not one.
std::optional<QByteArray> dataUrlBytes(const QUrl& name)
{
    if (name.scheme() != u"data")
        return {};
    const QByteArray data = name.toString(QUrl::FullyEncoded).toLatin1();
    const qsizetype comma = data.indexOf(',');
    if (comma < 0)
        return QByteArray();
    const QByteArray payload = QByteArray::fromPercentEncoding(data.mid(comma + 1));
    return data.left(comma).endsWith(";base64") ? QByteArray::fromBase64(payload) : payload;
}

// Pictures the view draws at the size of its text: formulas in the text's font, SVG pictures at
// their size scaled as the text is, so that both grow with the reader's text size.
enum class ScaledPicture { None, Formula, Svg };

ScaledPicture scaledPicture(const QString& name)
{
    if (name.startsWith(LectureMarkup::formulaScheme))
        return ScaledPicture::Formula;
    if (name.startsWith(QLatin1StringView("data:image/svg+xml"))
        || QUrl(name).path().endsWith(QLatin1StringView(".svg"), Qt::CaseInsensitive))
        return ScaledPicture::Svg;
    return ScaledPicture::None;
}

// The size a page gives a picture: its width and height, one of them with the other in the
// picture's proportion, or else the size the picture declares.
QSizeF pageSize(const QTextImageFormat& format, const QSizeF& declared)
{
    const bool wide = format.hasProperty(QTextFormat::ImageWidth), high = format.hasProperty(QTextFormat::ImageHeight);
    if (wide && high)
        return {format.width(), format.height()};
    if (declared.isEmpty())
        return {};
    if (wide)
        return {format.width(), declared.height() * format.width() / declared.width()};
    if (high)
        return {declared.width() * format.height() / declared.height(), format.height()};
    return declared;
}

// The image's property that keeps the size the page gives it before the text size is applied.
constexpr int unscaledSize = QTextFormat::UserProperty;

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
        if (QFileInfo(path).suffix().compare(u"txt", Qt::CaseInsensitive) == 0) {
            setPlainText(text);
        } else {
            setHtml(LectureMarkup::prepare(text, QFileInfo(path).absolutePath()));
            drawScaledPictures();
        }
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

QByteArray HtmlView::resourceBytes(const QUrl& name, QString* path) const
{
    if (const std::optional<QByteArray> data = dataUrlBytes(name))
        return *data;
    const QUrl url = name.isRelative() ? document()->baseUrl().resolved(name) : name;
    if (!url.isLocalFile())
        return {};
    *path = url.toLocalFile();
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestDocument)
        return {};
    return file.readAll();
}

QVariant HtmlView::loadResource(int type, const QUrl& name)
{
    QString path;
    const QByteArray bytes = resourceBytes(name, &path);
    if (bytes.isEmpty())
        return {};
    switch (type) {
    case QTextDocument::ImageResource:
        if (scaledPicture(name.toString()) == ScaledPicture::Formula)
            return formulaImage(bytes, document()->defaultFont());
        return documentImage(bytes, path);
    case QTextDocument::StyleSheetResource: return LectureMarkup::cleanStyle(decodeHtml(bytes));
    case QTextDocument::HtmlResource: return decodeHtml(bytes);
    default: return bytes;
    }
}

QImage HtmlView::formulaImage(const QByteArray& mathml, const QFont& font) const
{
    const std::optional<MathFormula> formula = MathFormula::parse(QString::fromUtf8(mathml));
    if (!formula)
        return {};
    return MathPicture::draw(*formula, font, palette().color(QPalette::Text), pictureRatio);
}

qreal HtmlView::textScale() const
{
    const qreal normal = QFontInfo(QApplication::font(this)).pointSizeF();
    return normal > 0 ? QFontInfo(font()).pointSizeF() / normal : 1;
}

void HtmlView::drawScaledPictures()
{
    struct Picture {
        int position, length;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextCharFormat format = it.fragment().charFormat();
                format.isImageFormat() && scaledPicture(format.toImageFormat().name()) != ScaledPicture::None)
                pictures.push_back({it.fragment().position(), it.fragment().length(), format.toImageFormat()});
    const qreal scale = textScale();
    for (Picture& picture : pictures) {
        const QUrl name(picture.format.name());
        QString path;
        const QByteArray bytes = resourceBytes(name, &path);
        QImage image;
        if (scaledPicture(picture.format.name()) == ScaledPicture::Formula) {
            image = formulaImage(bytes, picture.format.font().resolve(document()->defaultFont()));
            picture.format.setWidth(image.deviceIndependentSize().width());
            picture.format.setHeight(image.deviceIndependentSize().height());
        } else {
            QSizeF unscaled = picture.format.property(unscaledSize).toSizeF();
            if (unscaled.isEmpty())
                unscaled = pageSize(picture.format, QSvgRenderer(bytes).defaultSize());
            if (!drawableSize(unscaled))
                continue;
            image = svgImage(bytes, unscaled * scale);
            picture.format.setProperty(unscaledSize, unscaled);
            picture.format.setWidth(unscaled.width() * scale);
            picture.format.setHeight(unscaled.height() * scale);
        }
        if (image.isNull())
            continue;
        // The document looks its pictures up by their name resolved against the page's address.
        document()->addResource(QTextDocument::ImageResource, document()->baseUrl().resolved(name), image);
        // Setting the format, with the size the picture is shown at, lays it out again at that size.
        QTextCursor cursor(document());
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
}

void HtmlView::changeEvent(QEvent* event)
{
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        drawScaledPictures();
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
