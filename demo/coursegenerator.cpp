#include "coursegenerator.h"

#include "catalogue.h"
#include "coursedatabase.h"
#include "cp1251.h"
#include "drawings.h"
#include "gifwriter.h"
#include "jpegwriter.h"
#include "pdfwriter.h"
#include "questionbank.h"
#include "slides.h"
#include "sounds.h"
#include "wavwriter.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <stdexcept>

namespace {

const QString teoria = QStringLiteral("Teoria/");

// Course databases come from Windows, where a file inside a folder is written "Folder\name".
QString nativeRelative(const QString& stored)
{
    return QString(stored).replace(u'\\', u'/');
}

QString declaredCharset(const QString& html, const QString& name)
{
    static const QRegularExpression charset(QStringLiteral("charset=([A-Za-z0-9_-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(html);
    if (!match.hasMatch())
        throw std::runtime_error(name.toStdString() + " declares no charset");
    return match.captured(1).toLower();
}

QByteArray encodeBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw std::runtime_error("cannot encode a BMP picture");
    return bytes;
}

int whole(const QString& text, const QString& what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0)
        throw std::runtime_error(
            ("catalogue: " + what + " must be a positive whole number, not '" + text + "'").toStdString());
    return value;
}

} // namespace

CourseGenerator::CourseGenerator(const QString& sourceFolder, const QString& programFolder)
    : source_(sourceFolder),
      program_(programFolder)
{
    if (!source_.exists(QStringLiteral("schema.sql")))
        throw std::runtime_error(sourceFolder.toStdString() + " is not the demo course's source folder");
    catalogue_ = Catalogue::parse(readText(QStringLiteral("catalogue.txt")));
}

void CourseGenerator::run()
{
    if (!program_.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot create " + program_.path().toStdString());
    QDir old(program_.filePath(QStringLiteral("Teoria")));
    if (old.exists() && !old.removeRecursively())
        throw std::runtime_error("cannot remove the old " + old.path().toStdString());
    writeTexts();
    checkLectureFiles();
    writePhotos();
    writePresentations();
    writeMedia();
    writeDatabase();
}

QString CourseGenerator::readText(const QString& relativePath) const
{
    QFile file(source_.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(file.readAll());
    if (utf8.hasError())
        throw std::runtime_error(file.fileName().toStdString() + " is not valid UTF-8");
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void CourseGenerator::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = program_.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// The HTML sources and SVG pictures are UTF-8; a page that declares windows-1251 is written in
// that code page, as a lecture saved by a Windows editor would be.
void CourseGenerator::writeTexts()
{
    QStringList files;
    QDirIterator it(source_.filePath(QStringLiteral("texts")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << source_.relativeFilePath(it.next());
    std::sort(files.begin(), files.end());
    if (files.isEmpty())
        throw std::runtime_error("no course texts in texts/");
    for (const QString& file : files) {
        // The manual's about line names the version of the program the course was made with.
        const QString text =
            readText(file).replace(QStringLiteral("@VESTORIA_VERSION@"), QStringLiteral(VESTORIA_VERSION));
        // An SVG picture is XML, UTF-8 unless it says otherwise, and names no charset.
        const QString charset = QFileInfo(file).suffix().compare(u"svg", Qt::CaseInsensitive) == 0
                                    ? QStringLiteral("utf-8")
                                    : declaredCharset(text, file);
        QByteArray bytes;
        if (charset == QStringLiteral("utf-8"))
            bytes = text.toUtf8();
        else if (charset == QStringLiteral("windows-1251"))
            bytes = toCp1251(text);
        else
            throw std::runtime_error(file.toStdString() + " declares the unsupported charset " + charset.toStdString());
        writeFile(teoria + file.mid(QStringLiteral("texts/").size()), bytes);
    }
}

void CourseGenerator::checkLectureFiles() const
{
    for (const QStringList& row : catalogue_.rows(QStringLiteral("Lekcia"))) {
        if (!QFileInfo::exists(program_.filePath(teoria + nativeRelative(row[1]))))
            throw std::runtime_error(
                ("lecture '" + row[0] + "' names " + row[1] + ", which texts/ lacks").toStdString());
    }
}

void CourseGenerator::writePhotos()
{
    for (const QStringList& row : catalogue_.rows(QStringLiteral("foto"))) {
        const QSize size(whole(row[3], QStringLiteral("width")), whole(row[4], QStringLiteral("height")));
        const QImage picture = drawPicture(row[2], size);
        const QString suffix = QFileInfo(row[1]).suffix().toLower();
        QByteArray bytes;
        if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg"))
            bytes = encodeJpeg(picture);
        else if (suffix == QStringLiteral("bmp"))
            bytes = encodeBmp(picture);
        else
            throw std::runtime_error(("photo " + row[1] + ": only JPEG and BMP photos are made").toStdString());
        writeFile(teoria + QStringLiteral("foto/") + nativeRelative(row[1]), bytes);
    }
}

void CourseGenerator::writePresentations()
{
    const QSize slideSize(1024, 768);
    for (const QStringList& row : catalogue_.rows(QStringLiteral("Present"))) {
        const QString sourceName = QStringLiteral("presentations/") + QFileInfo(row[1]).completeBaseName() + ".txt";
        const Presentation presentation = parsePresentation(readText(sourceName), sourceName);
        PdfWriter pdf(presentation.title);
        for (const QImage& slide : renderPresentation(presentation, slideSize))
            pdf.addJpegPage(encodeJpeg(slide, 85), slide.width(), slide.height(), 768, 576);
        writeFile(teoria + QStringLiteral("Present/") + nativeRelative(row[1]), pdf.document());
    }
}

void CourseGenerator::writeMedia()
{
    for (const QStringList& row : catalogue_.rows(QStringLiteral("media"))) {
        const QString& kind = row[2];
        QByteArray bytes;
        if (kind == QStringLiteral("morse"))
            bytes = encodeWav(morseSound(row[3], 22050), 22050);
        else if (kind == QStringLiteral("timesignal"))
            bytes = encodeWav(timeSignalSound(22050), 22050);
        else if (kind == QStringLiteral("telephone"))
            bytes = encodeWav(telephoneSound(8000), 8000); // a telephone line carries no more
        else if (kind == QStringLiteral("intervalsignal"))
            bytes = encodeWav(intervalSignalSound(22050), 22050);
        else if (kind == QStringLiteral("radiowaves"))
            bytes = encodeAnimatedGif(drawRadioWaves(240, 12), radioWavesPalette(), 12);
        else
            throw std::runtime_error(("media " + row[1] + ": unknown kind '" + kind + "'").toStdString());
        writeFile(teoria + QStringLiteral("Media/") + nativeRelative(row[1]), bytes);
    }
}

void CourseGenerator::writeDatabase()
{
    const std::vector<Question> questions = parseQuestions(readText(QStringLiteral("questions.txt")));
    writeCourseDatabase(program_.filePath(QStringLiteral("db1.mdb")), readText(QStringLiteral("schema.sql")),
                        catalogue_, questions);
}
