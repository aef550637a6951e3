#include "platform/jpegdecoder.h"
#include "platform/picture.h"
#include "platform/pictureview.h"
#include "tests/platform/picture_fixtures.h"
#include "tests/support/errorcapture.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/casename.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <jerror.h>

using namespace fixtures;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

// ---- choosing the loader ---------------------------------------------------------------------

struct NamedFile {
    const char* name;
    std::function<QByteArray()> bytes;
    QSize size;      // when it loads
    QString failure; // when it does not ("%1" stands for the file's path)
};

class PictureLoadTest : public ::testing::TestWithParam<NamedFile> {};

TEST_P(PictureLoadTest, LoadsOrFailsWithItsMessage)
{
    QTemporaryDir dir;
    const NamedFile& file = GetParam();
    const QString path = write(dir, QString::fromUtf8(file.name), file.bytes());
    Picture picture;
    const QString failure = errorMessageOf([&] { picture = Picture::load(path); });
    EXPECT_EQ(failure, file.failure.contains(u"%1") ? file.failure.arg(path) : file.failure);
    EXPECT_EQ(picture.size(), file.size);
}

const QByteArray blueBmp = bmp24({{Qt::blue, Qt::blue, Qt::blue}, {Qt::blue, Qt::blue, Qt::blue}});

INSTANTIATE_TEST_SUITE_P(
    ByExtension, PictureLoadTest,
    ::testing::Values(
        NamedFile{"photo.JPG", [] { return jpeg(filled(8, 6, Qt::red)); }, QSize(8, 6), {}},
        NamedFile{"photo.Jpeg", [] { return jpeg(filled(5, 4, Qt::red)); }, QSize(5, 4), {}},
        NamedFile{"scan.BMP", [] { return blueBmp; }, QSize(3, 2), {}},
        NamedFile{"no extension", [] { return blueBmp; }, QSize(3, 2), {}},
        NamedFile{"ends in a dot.", [] { return jpeg(filled(2, 2, Qt::red)); }, QSize(2, 2), {}},
        NamedFile{"many.dots.in.name.ico",
                  [] {
                      return icoFile({{16, 16, iconDib(16, Qt::green)}});
                  },
                  QSize(16, 16),
                  {}},
        NamedFile{"picture.gif",
                  [] { return QByteArray("GIF89a"); },
                  {},
                  QStringLiteral("Unknown picture file extension (.gif)")},
        NamedFile{"picture.PNG",
                  [] { return QByteArray("\x89PNG"); },
                  {},
                  QStringLiteral("Unknown picture file extension (.png)")},
        NamedFile{"bitmap.jpg", [] { return blueBmp; }, {}, QStringLiteral("JPEG error #%1").arg(JERR_NO_SOI)},
        NamedFile{"empty.jpg", [] { return QByteArray(); }, {}, QStringLiteral("JPEG error #%1").arg(JERR_INPUT_EMPTY)},
        NamedFile{
            "text.bmp", [] { return QByteArray("BM not really"); }, {}, QStringLiteral("Bitmap image is not valid")},
        NamedFile{
            "text.ico", [] { return QByteArray("\0\0\1\0\1\0", 6); }, {}, QStringLiteral("Icon image is not valid")},
        NamedFile{"text.wmf", [] { return QByteArray("not a metafile"); }, {}, QStringLiteral("Metafile is not valid")},
        NamedFile{"text.emf", [] { return QByteArray(200, 'x'); }, {}, QStringLiteral("Metafile is not valid")},
        NamedFile{"unknown content", [] { return QByteArray("hello"); }, {}, QStringLiteral("Unknown picture format")}),
    CaseName());

TEST(PictureLoad, MissingFileNamesThePathAndTheReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("нет такого.jpg"));
    EXPECT_EQ(errorMessageOf([&] { Picture::load(path); }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
    EXPECT_EQ(errorMessageOf([&] { Picture::load(dir.path() + QStringLiteral("/.bmp")); }).left(11),
              QStringLiteral("Cannot open"));
}

TEST(PictureLoad, CoursePathWithBackslashesIsFound)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Teoria/foto"));
    write(dir, QStringLiteral("Teoria/foto/a.bmp"), blueBmp);
    EXPECT_EQ(Picture::load(dir.path() + QStringLiteral("/Teoria\\foto\\a.bmp")).size(), QSize(3, 2));
}

// ---- JPEG: header at load, pixels at the first draw -------------------------------------------

TEST(JpegPicture, DamageFurtherInIsReportedOnceAtFirstUse)
{
    const QByteArray whole = jpeg(filled(64, 48, Qt::darkGreen));
    const Picture picture = Picture::fromData(whole.left(whole.size() - 20), QStringLiteral("jpg"));
    EXPECT_EQ(picture.size(), QSize(64, 48));
    EXPECT_FALSE(picture.decoded());
    EXPECT_EQ(errorMessageOf([&] { picture.image(); }), QStringLiteral("JPEG error #%1").arg(JWRN_JPEG_EOF));
    EXPECT_EQ(errorMessageOf([&] { EXPECT_TRUE(picture.image().isNull()); }), QString());
}

// A header may claim any size; decoding one larger than any photo would take gigabytes.
TEST(JpegPicture, AHeaderClaimingMoreThanAnyPhotoIsRefusedAtFirstUse)
{
    QByteArray bytes = jpeg(filled(16, 16, Qt::darkGreen));
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    for (const qsizetype at : {frame + 5, frame + 7}) { // height, then width: 20000 each
        bytes[at] = char(20000 >> 8);
        bytes[at + 1] = char(20000 & 0xFF);
    }
    const Picture picture = Picture::fromData(bytes, QStringLiteral("jpg"));
    EXPECT_EQ(picture.size(), QSize(20000, 20000));
    EXPECT_EQ(errorMessageOf([&] { picture.image(); }), QStringLiteral("JPEG error #%1").arg(JERR_IMAGE_TOO_BIG));
}

TEST(JpegPicture, DecodesFullSizeOnFirstUse)
{
    const Picture picture = Picture::fromData(jpeg(filled(40, 30, QColor(200, 30, 30)), 100), QStringLiteral("jpeg"));
    const QImage image = picture.image();
    ASSERT_EQ(image.size(), QSize(40, 30));
    EXPECT_NEAR(QColor(image.pixel(20, 15)).red(), 200, 3);
    EXPECT_TRUE(picture.decoded());
}

// Decoded on a second thread, a picture gives what one decoded at its first use gives, in the
// format asked for, and its damage is reported once, where the pixels are asked for.
TEST(JpegPicture, DecodedAheadGivesThePixelsAndTheDamageAtFirstUse)
{
    const QByteArray whole = jpeg(filled(40, 30, QColor(200, 30, 30)), 100);
    const Picture picture = Picture::decodeAhead(whole, QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), QSize(40, 30));
    EXPECT_FALSE(picture.decoded());
    const QImage image = picture.image();
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image, Picture::fromData(whole, QStringLiteral("jpg")).image().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(picture.decoded());

    const Picture damaged = Picture::decodeAhead(whole.left(whole.size() - 20), QImage::Format_RGB32);
    EXPECT_EQ(errorMessageOf([&] { damaged.image(); }), QStringLiteral("JPEG error #%1").arg(JWRN_JPEG_EOF));
    EXPECT_EQ(errorMessageOf([&] { EXPECT_TRUE(damaged.image().isNull()); }), QString());
    EXPECT_FALSE(
        errorMessageOf([] { Picture::decodeAhead(QByteArray("\xFF\xD8\xFF"), QImage::Format_RGB32); }).isEmpty())
        << "a header that cannot be read is refused at once";
}

// A picture whose red, green and blue differ in every pixel, so that a channel out of place shows.
QImage colourRamp()
{
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 15, 255 - x * 5 - y * 3));
    return image;
}

// The same ramp stored as CMYK, the way Adobe programs write it (inverted), at libjpeg's usual
// quality.
QByteArray cmykJpeg()
{
    const QImage ramp = colourRamp();
    QByteArray row(ramp.width() * 4, 0);
    return compressJpeg(ramp.width(), ramp.height(), 4, JCS_CMYK, 75, [&](int y) {
        for (int x = 0; x < ramp.width(); ++x) {
            const QRgb pixel = ramp.pixel(x, y);
            row[4 * x] = char(qRed(pixel));
            row[4 * x + 1] = char(qGreen(pixel));
            row[4 * x + 2] = char(qBlue(pixel));
            row[4 * x + 3] = char(200);
        }
        return reinterpret_cast<JSAMPROW>(row.data());
    });
}

struct JpegColours {
    const char* name;
    std::function<QByteArray()> file;
};

class JpegScreenFormat : public ::testing::TestWithParam<JpegColours> {};

TEST_P(JpegScreenFormat, HoldsTheSamePixelsAsTheTwentyFourBitDecode)
{
    const QByteArray bytes = GetParam().file();
    const QImage screen = decodeJpeg(bytes, QImage::Format_RGB32);
    ASSERT_EQ(screen.format(), QImage::Format_RGB32);
    const QImage reference = decodeJpeg(bytes).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), reference.size());
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            ASSERT_EQ(screen.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegScreenFormat,
                         ::testing::Values(JpegColours{"Rgb", [] { return jpeg(colourRamp(), 100); }},
                                           JpegColours{"Cmyk", cmykJpeg}),
                         CaseName());

// ---- Bitmaps ---------------------------------------------------------------------------------

struct BitmapCase {
    const char* name;
    Dib dib;
    QVector<QRgb> expected; // row by row from the top
};

class BitmapDecodeTest : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapDecodeTest, PixelsLandWhereTheyBelong)
{
    const BitmapCase& c = GetParam();
    const QImage image = Picture::fromData(bmpFile(c.dib), QStringLiteral("bmp")).image();
    ASSERT_EQ(image.width() * image.height(), c.expected.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(image.pixel(x, y) | 0xFF000000u, c.expected[y * image.width() + x])
                << c.name << " at " << x << "," << y;
}

const QRgb R = qRgb(255, 0, 0), G = qRgb(0, 255, 0), B = qRgb(0, 0, 255), K = qRgb(0, 0, 0), W = qRgb(255, 255, 255);

INSTANTIATE_TEST_SUITE_P(
    Formats, BitmapDecodeTest,
    ::testing::Values(
        // Bottom-up rows: the first stored row is the bottom one.
        BitmapCase{
            "24 bit", dib(2, 2, 24, QByteArray("\0\0\xFF\0\xFF\0\0\0\xFF\0\0\xFF\xFF\xFF\0\0", 16)), {B, W, R, G}},
        BitmapCase{"32 bit top-down", dib(2, -1, 32, QByteArray("\xFF\0\0\0\0\0\xFF\x7F", 8)), {B, R}},
        BitmapCase{"8 bit palette", dib(3, 1, 8, QByteArray("\2\1\0\0", 4), {0xFF0000, 0x00FF00, 0x0000FF}), {B, G, R}},
        BitmapCase{
            "4 bit palette", dib(3, 1, 4, QByteArray("\x10\x20\0\0", 4), {0xFF0000, 0x00FF00, 0x0000FF}), {G, R, B}},
        BitmapCase{"1 bit palette", dib(3, 1, 1, QByteArray("\xA0\0\0\0", 4), {0x000000, 0xFFFFFF}), {W, K, W}},
        BitmapCase{"16 bit 5-6-5 fields",
                   dib(2, 1, 16, QByteArray("\x00\xF8\x1F\x00", 4), {}, 3, {0xF800, 0x07E0, 0x001F}),
                   {R, B}},
        BitmapCase{"16 bit 5-5-5", dib(2, 1, 16, QByteArray("\xE0\x03\x00\x7C", 4)), {G, R}},
        // Run of 2 of index 1, then 3 pixels given one by one (2, 0, 1), end of line, end of bitmap.
        BitmapCase{"RLE8",
                   dib(5, 1, 8, QByteArray("\2\1\0\3\2\0\1\0\0\0\0\1", 12), {0x000000, 0xFF0000, 0x00FF00}, 1),
                   {R, R, G, K, R}},
        BitmapCase{"RLE4", dib(4, 1, 4, QByteArray("\4\x12\0\1", 4), {0x000000, 0xFF0000, 0x00FF00}, 2), {R, G, R, G}},
        // A run and a delta that leave the picture are dropped, not written past it.
        BitmapCase{"RLE8 running off",
                   dib(2, 1, 8, QByteArray("\xFF\1\0\2\x50\x50\5\2\0\1", 10), {0x000000, 0xFF0000, 0x00FF00}, 1),
                   {R, R}}),
    CaseName());

TEST(BitmapDamage, EveryDamagedFileIsRefusedWithoutReadingOutsideIt)
{
    const QByteArray good = bmpFile(dib(4, 4, 24, QByteArray(48, '\x40')));
    const QVector<std::pair<const char*, QByteArray>> damaged = {
        {"pixel rows cut short", good.left(good.size() - 5)},
        {"header cut short", good.left(30)},
        {"pixels said to start past the end",
         [&] {
             QByteArray b = good;
             b[10] = '\xFF';
             b[11] = '\xFF';
             return b;
         }()},
        {"unknown header size",
         [&] {
             QByteArray b = good;
             b[14] = 77;
             return b;
         }()},
        {"zero width", bmpFile(dib(0, 4, 24, QByteArray(48, 0)))},
        {"absurd size", bmpFile(dib(0x7FFFFFFF, 0x7FFFFFFF, 24, QByteArray(48, 0)))},
        {"seven bits per pixel", bmpFile(dib(4, 4, 7, QByteArray(48, 0)))},
        {"more colours than the depth allows",
         [] {
             Dib d = dib(1, 1, 1, QByteArray(4, 0), {0, 0});
             d.colorsUsed = 3;
             return bmpFile(d);
         }()},
        {"palette cut short", bmpFile(dib(1, 1, 8, QByteArray(), {0, 0, 0}, 0)).left(14 + 40 + 6)},
        {"RLE without end", bmpFile(dib(4, 4, 8, QByteArray("\2\1", 2), {0, 0xFF}, 1))},
        {"RLE top-down", bmpFile(dib(4, -4, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1))},
        // A few bytes of run-length data may claim any size; more than any photo needs is damage.
        {"RLE claiming 16384 x 16384", bmpFile(dib(16384, 16384, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1))},
        {"RLE claiming just over the budget", bmpFile(dib(8193, 8192, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1))},
    };
    for (const auto& [name, bytes] : damaged)
        EXPECT_EQ(errorMessageOf([&] { Picture::fromData(bytes, QStringLiteral("bmp")); }),
                  QStringLiteral("Bitmap image is not valid"))
            << name;
}

// ---- Icons -----------------------------------------------------------------------------------

TEST(IconPicture, LargestImageWithItsMaskClear)
{
    const QByteArray icon = icoFile({{16, 16, iconDib(16, Qt::red)}, {32, 32, iconDib(32, Qt::blue, {0, 33})}});
    const QImage image = Picture::fromData(icon, QStringLiteral("ico")).image();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(IconPicture, PngInsideAnIcon)
{
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        filled(20, 20, Qt::green).save(&buffer, "PNG");
    }
    EXPECT_EQ(Picture::fromData(icoFile({{20, 20, png}}), QStringLiteral("ico")).size(), QSize(20, 20));
}

TEST(IconDamage, EveryDamagedFileIsRefused)
{
    const QVector<std::pair<const char*, QByteArray>> damaged = {
        {"no images", icoFile({})},
        {"a cursor, not an icon",
         [] {
             QByteArray b = icoFile({{16, 16, iconDib(16, Qt::red)}});
             b[2] = 2;
             return b;
         }()},
        {"image past the end",
         [] {
             QByteArray b = icoFile({{16, 16, iconDib(16, Qt::red)}});
             b[18] = '\x7F';
             return b;
         }()},
        {"image cut short", icoFile({{16, 16, iconDib(16, Qt::red).left(60)}})},
        {"broken PNG", icoFile({{16, 16, QByteArray("\x89PNG\r\n\x1A\n garbage")}})},
        {"directory cut short", icoFile({{16, 16, iconDib(16, Qt::red)}}).left(12)},
        {"run-length image larger than any icon",
         [] {
             Dib d = dib(2048, 4096, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1);
             return icoFile({{0, 0, d.bytes()}});
         }()},
        {"image claiming 16384 x 16384",
         [] {
             Dib d = dib(16384, 32768, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1);
             return icoFile({{0, 0, d.header() + d.pixels}});
         }()},
    };
    for (const auto& [name, bytes] : damaged)
        EXPECT_EQ(errorMessageOf([&] { Picture::fromData(bytes, QStringLiteral("ico")); }),
                  QStringLiteral("Icon image is not valid"))
            << name;
}

// ---- Metafiles -------------------------------------------------------------------------------

TEST(Metafile, PlaceableDrawsItsShapesAtTheDeclaredSize)
{
    // 1440 units per inch over 720 x 360 units: 48 x 24 pixels. A red brush fills the left half.
    const QByteArray file =
        wmf(0, 0, 720, 360, 1440,
            {wmfRecord(0x02FC, {0, 0x00FF, 0x0000, 0}),                     // red solid brush -> slot 0
             wmfRecord(0x012D, {0}), wmfRecord(0x02FA, {5, 0, 0, 0, 0}),    // null pen -> slot 1
             wmfRecord(0x012D, {1}), wmfRecord(0x041B, {360, 360, 0, 0})}); // rectangle (bottom, right, top, left)
    const QImage image = Picture::fromData(file, QStringLiteral("wmf")).image();
    ASSERT_EQ(image.size(), QSize(48, 24));
    EXPECT_EQ(image.pixel(10, 12), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(40, 12)), 0);
}

TEST(Metafile, EnhancedDrawsItsShapesAtTheFrameSize)
{
    // Frame 6.35 x 12.7 mm at 96 pixels per inch: 24 x 48 pixels. A blue ellipse-free polygon.
    const QByteArray file = emf(635, 1270,
                                {emfRecord(39, {1, 0, colorRef(0, 0, 255), 0}),   // brush slot 1
                                 emfRecord(37, {1}), emfRecord(37, {0x80000008}), // NULL_PEN
                                 emfRecord(3, {0, 0, 24, 24, 4, 0, 0, 24, 0, 24, 24, 0, 24})});
    const QImage image = Picture::fromData(file, QStringLiteral("emf")).image();
    ASSERT_EQ(image.size(), QSize(24, 48));
    EXPECT_EQ(image.pixel(12, 12), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(12, 40)), 0);
}

TEST(Metafile, PieCoversTheCounterClockwiseSweepFromStartToEnd)
{
    // A circle of 24 pixels; the pie runs from the ray to the right up to the ray to the top.
    const QByteArray file =
        wmf(0, 0, 720, 360, 1440,
            {wmfRecord(0x02FC, {0, 0x00FF, 0x0000, 0}), wmfRecord(0x012D, {0}), wmfRecord(0x02FA, {5, 0, 0, 0, 0}),
             wmfRecord(0x012D, {1}), wmfRecord(0x081A, {0, 180, 180, 360, 360, 360, 0, 0})});
    const QImage image = Picture::fromData(file, QStringLiteral("wmf")).image();
    EXPECT_EQ(image.pixel(17, 6), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(6, 6)), 0);
    EXPECT_EQ(qAlpha(image.pixel(17, 18)), 0);
}

// A stretched-bitmap record: a 2 x 1 bitmap (red, blue) over the top 24 x 24 pixels.
QByteArray stretchedBitmap(const QByteArray& dibBytes)
{
    Bytes b;
    b.u32(81).u32(quint32(80 + dibBytes.size()));
    for (quint32 value : {0u, 0u, 24u, 24u, 0u, 0u, 0u, 0u, 2u, 1u, 80u, 40u, 120u, 8u, 0u, 0xCC0020u, 24u, 24u})
        b.u32(value);
    return b.raw(dibBytes);
}

TEST(Metafile, EnhancedStretchesItsBitmaps)
{
    Dib bitmap;
    bitmap.width = 2;
    bitmap.pixels = QByteArray("\0\0\xFF\xFF\0\0\0\0", 8);
    const QImage image =
        Picture::fromData(emf(635, 1270, {stretchedBitmap(bitmap.bytes())}), QStringLiteral("emf")).image();
    EXPECT_EQ(image.pixel(3, 12), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 12), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(12, 40)), 0);
}

TEST(MetafileDamage, EveryDamagedFileIsRefused)
{
    const QByteArray rectangle = wmfRecord(0x041B, {10, 10, 0, 0});
    const QVector<std::pair<const char*, std::pair<QByteArray, const char*>>> damaged = {
        {"wrong checksum",
         {[&] {
              QByteArray b = wmf(0, 0, 100, 100, 1440, {rectangle});
              b[20] = char(b[20] ^ 1);
              return b;
          }(),
          "wmf"}},
        {"zero units per inch", {wmf(0, 0, 100, 100, 0, {rectangle}), "wmf"}},
        {"empty box", {wmf(0, 0, 0, 100, 1440, {rectangle}), "wmf"}},
        {"no end record", {wmf(0, 0, 100, 100, 1440, {rectangle}, false), "wmf"}},
        {"record of size zero", {wmf(0, 0, 100, 100, 1440, {QByteArray(6, '\0') + QByteArray("\x13\x02", 2)}), "wmf"}},
        {"polygon longer than its record", {wmf(0, 0, 100, 100, 1440, {wmfRecord(0x0324, {5000, 1, 1})}), "wmf"}},
        {"text longer than its record", {wmf(0, 0, 100, 100, 1440, {wmfRecord(0x0521, {300, 0x4141})}), "wmf"}},
        {"no placement header", {wmf(0, 0, 100, 100, 1440, {rectangle}).mid(22), "wmf"}},
        {"enhanced: no end record", {emf(635, 635, {}, false), "emf"}},
        {"enhanced: record length not a multiple of four",
         {emf(635, 635, {QByteArray("\x2B\0\0\0\x0A\0\0\0\0\0", 10)}), "emf"}},
        {"enhanced: points past the record", {emf(635, 635, {emfRecord(3, {0, 0, 1, 1, 0x10000000, 1, 1})}), "emf"}},
        {"enhanced: text past the record",
         {emf(635, 635, {emfRecord(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 900, 76, 0, 0, 0, 0, 0, 0})}), "emf"}},
        {"enhanced: empty frame", {emf(0, 635, {}), "emf"}},
        {"enhanced: bitmap cut short", {emf(635, 635, {stretchedBitmap(Dib().header())}), "emf"}},
        {"enhanced: header cut short", {emf(635, 635, {}).left(60), "emf"}},
    };
    for (const auto& [name, file] : damaged)
        EXPECT_EQ(errorMessageOf([&] { Picture::fromData(file.first, QString::fromLatin1(file.second)); }),
                  QStringLiteral("Metafile is not valid"))
            << name;
}

// ---- The view --------------------------------------------------------------------------------

TEST(PictureViewDrawing, LargerPictureIsCutOffNotScaledAndSmallerSitsTopLeft)
{
    QImage large(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            large.setPixel(x, y, qRgb(x % 256, y, 7));
    PictureView view;
    view.resize(100, 80);
    view.setPicture(large);
    QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(99, 79), large.pixel(99, 79));
    EXPECT_EQ(shown.pixel(0, 0), large.pixel(0, 0));

    view.setPicture(filled(10, 10, Qt::red));
    shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(9, 9), qRgb(255, 0, 0));
    EXPECT_NE(shown.pixel(50, 50), qRgb(255, 0, 0));
}

TEST(PictureViewDrawing, DamagedJpegIsReportedAfterTheFirstPaintAndOnlyOnce)
{
    MessageRecorder boxes;
    PictureView view;
    view.resize(50, 50);
    view.setPicture(filled(50, 50, Qt::red));
    const QByteArray whole = jpeg(filled(40, 40, Qt::blue));
    view.setPicture(Picture::fromData(whole.left(whole.size() - 40), QStringLiteral("jpg")));
    EXPECT_TRUE(boxes.empty());
    view.grab();
    view.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("JPEG error #%1.").arg(JWRN_JPEG_EOF)});
    EXPECT_NE(view.grab().toImage().pixel(5, 5) | 0xFF000000u, qRgb(255, 0, 0));
}

} // namespace
