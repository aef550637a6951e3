// Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/: small valid files of each
// kind, and the inputs with which fuzzing found faults that are mended now (their names start
// with "found-"), so that the corpus replay keeps them mended. Run it after changing a seed:
//   seed_generator <source folder>/fuzz/corpus

#include "tests/platform/picture_fixtures.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace fixtures;

namespace {

QDir corpusRoot;

void write(const char* target, const char* name, const QByteArray& bytes)
{
    corpusRoot.mkpath(QLatin1String(target));
    QFile file(corpusRoot.filePath(QStringLiteral("%1/%2").arg(QLatin1String(target), QLatin1String(name))));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray iconDib(int size, quint32 color)
{
    Dib d = dib(size, size * 2, 32, QByteArray());
    for (int i = 0; i < size * size; ++i)
        d.pixels += Bytes().u32(color).data;
    d.pixels += QByteArray(((size + 31) / 32) * 4 * size, '\0');
    return d.bytes();
}

void bitmaps()
{
    write("bmp", "24bit", bmpFile(dib(2, 2, 24, QByteArray("\0\0\xFF\0\xFF\0\0\0\xFF\0\0\xFF\xFF\xFF\0\0", 16))));
    write("bmp", "32bit-topdown", bmpFile(dib(2, -1, 32, QByteArray("\xFF\0\0\0\0\0\xFF\x7F", 8))));
    write("bmp", "8bit-rle", bmpFile(dib(4, 2, 8, QByteArray("\4\1\0\0\2\2\2\0\0\1", 10), {0, 0xFF0000, 0xFF00}, 1)));
    write("bmp", "4bit-rle",
          bmpFile(dib(4, 2, 4, QByteArray("\4\x12\0\0\0\4\x21\x12\0\0\0\1", 12), {0, 0xFF, 0xFF00}, 2)));
    write("bmp", "1bit", bmpFile(dib(8, 1, 1, QByteArray("\xA5\0\0\0", 4), {0, 0xFFFFFF})));
    write("bmp", "16bit-bitfields",
          bmpFile(dib(2, 1, 16, QByteArray("\x1F\0\xE0\x07", 4), {}, 3, {0xF800, 0x07E0, 0x001F})));
    // 60 bytes of run-length data that claim 16384 x 16384 pixels: 2^28 pixels were allocated and
    // filled for it, seconds and gigabytes for nothing.
    write("bmp", "found-rle8-claims-16384-square", bmpFile(dib(16384, 16384, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1)));

    write("ico", "one-image", icoFile({{16, 16, iconDib(16, 0xFF0000)}}));
    write("ico", "two-images", icoFile({{16, 16, iconDib(16, 0xFF0000)}, {32, 32, iconDib(32, 0xFF)}}));
    {
        Dib d = dib(16384, 32768, 8, QByteArray("\0\1", 2), {0, 0xFF}, 1);
        write("ico", "found-image-claims-16384-square", icoFile({{0, 0, d.bytes()}}));
    }
    // Within a photo's budget but no icon: 83 bytes of run-length data claiming 2308 x 27396
    // pixels took seconds to decode and mask (found by the fuzzer as it stands).
    write(
        "ico", "found-rle-image-of-photo-size",
        QByteArray::fromHex("00000100010000000001000020053300000016000000280000000409000008d60000010008000100"
                            "0000010000210032000000000100010000001500000001010000000000000001feffffffffffffff010001"));
}

void metafiles()
{
    write("wmf", "brush-and-rectangle",
          wmf(0, 0, 720, 360, 1440,
              {wmfRecord(0x02FC, {0, 0x00FF, 0x0000, 0}), wmfRecord(0x012D, {0}), wmfRecord(0x041B, {180, 360, 0, 0}),
               wmfRecord(0x0418, {360, 720, 0, 360})}));
    write("wmf", "text", wmf(0, 0, 1440, 720, 1440, {wmfRecord(0x0521, {5, 0x6548, 0x6C6C, 0x006F, 10, 10})}));
    write("emf", "polygon",
          emf(635, 1270,
              {emfRecord(39, {1, 0, colorRef(0, 0, 255), 0}), emfRecord(37, {1}), emfRecord(37, {0x80000008}),
               emfRecord(3, {0, 0, 24, 24, 4, 0, 0, 24, 0, 24, 24, 0, 24})}));
    write("emf", "rectangle-and-ellipse",
          emf(635, 635, {emfRecord(43, {1, 1, 20, 20}), emfRecord(42, {2, 2, 18, 18})}));
}

void jpegs()
{
    QImage picture = filled(24, 16, QColor(200, 30, 30));
    for (int x = 0; x < 24; ++x)
        picture.setPixel(x, x % 16, qRgb(0, 0, 255));
    write("jpeg", "baseline", jpeg(picture));
    write("jpeg", "low-quality", jpeg(picture, 20));
    write("pictureformat", "jpeg", jpeg(picture));
    write("pictureformat", "bmp", bmpFile(dib(2, 2, 24, QByteArray(16, '\x40'))));
    write("pictureformat", "ico", icoFile({{16, 16, iconDib(16, 0xFF00)}}));
    write("pictureformat", "wmf", wmf(0, 0, 720, 360, 1440, {wmfRecord(0x041B, {180, 360, 0, 0})}));
    write("pictureformat", "emf", emf(635, 635, {emfRecord(43, {1, 1, 20, 20})}));
}

void texts()
{
    write("ini", "sections",
          "[GLOBALINFO]\nVERSION=5.1\nAUTHOR=Vestoria\n; a comment\n[BUTTON]\nCOLOR=12632256\n"
          "FONTCOLOR=0\nGRADIENTDATA=1;2;50;0;0;3;4;50;0;0\n[button]\nCOLOR=1\n");
    write("ini", "odd-lines", QByteArray("=\n[\n]\n[]\nKEY\n[A]\nKEY=value=more\n  SPACED  =  value  \n\r\n", 48));

    const QByteArray master = "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nVERSION=5.1\n";
    write("skin", "masks-and-chains",
          master
              + "[FORM]\nCOLOR=12632256\nBORDERSMASK=#(0,0,30,10)(3,0,2)\nGRADIENTDATA=16777215;0;100;0;0\n"
                "GRADIENTPERCENT=50\n[DIALOG]\nPARENTCLASS=FORM\nPATTERN=#(0,10,20,20)(1,0)\n"
                "[BUTTON]\nPARENTCLASS=DIALOG\nBORDERSMASK=#(30,0,60,20)(3,1)\nTRANSPARENCY=40\n"
                "[[COMMON]]\n[EXTRA]\nPARENTCLASS=BUTTON\nCOLOR=0x00FF00\n");
    write("skin", "old-format", "[TSEDIT]\nCOLOR=1\n");
    // A PARENTCLASS chain through 300 sections and back: every inherited read walked the chain
    // with a linear search, minutes for a 7 KB file.
    QByteArray loop = master;
    for (int i = 0; i < 300; ++i)
        loop += QStringLiteral("[S%1]\nPARENTCLASS=S%2\n").arg(i).arg((i + 1) % 300).toLatin1();
    write("skin", "found-parentclass-loop-of-300", loop);
    // Rectangle numbers no bitmap can have: widths worked out from them overflowed.
    write("skin", "found-rectangle-beyond-any-bitmap",
          master + "[BUTTON]\nBORDERSMASK=#(-2147483648,-2147483648,2147483647,2147483647)(1,0,2147483647)\n");

    write("htmlcharset", "declared-windows-1251",
          "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>"
          "<body>\xCF\xF0\xE8\xE2\xE5\xF2</body></html>");
    write("htmlcharset", "utf-8-with-bom", "\xEF\xBB\xBF<p>\xD0\x9F\xD1\x80\xD0\xB8</p>");
    // The last letter of an undeclared windows-1251 text looked like the start of a UTF-8 sequence
    // and was dropped.
    write("htmlcharset", "found-incomplete-utf8-at-end", "Hello \xD0");

    write(
        "lecture", "formula",
        "<math alttext=\"x\"><mi>x</mi><mo>=</mo><mfrac><mrow><mo>-</mo><mi>b</mi><mo>&pm;</mo><msqrt><msup><mi>b</mi>"
        "<mn>2</mn></msup><mo>-</mo><mn>4</mn><mi>a</mi><mi>c</mi></msqrt></mrow><mrow><mn>2</mn><mi>a</mi></mrow></"
        "mfrac>"
        "<munderover><mo>&sum;</mo><mi>i</mi><mi>n</mi></munderover><mroot><mi>y</mi><mn>3</mn></mroot>"
        "<msubsup><mi>P</mi><mn>0</mn><mn>2</mn></msubsup></math>");
    write("lecture", "word-page",
          "<html><head><style><!-- p.MsoNormal {mso-style-name:x; margin:0cm; font-size:12.0pt} "
          ".note {font-size:80%} --></style></head><body><p class=MsoNormal style='text-indent:1cm'>a"
          "<span class=note>b</span></p><nav style='float:left'><a href=x>1</a></nav></body></html>");
    write("lecture", "media-and-pictures",
          "<p><audio controls src='Media/a.wav'>x</audio><video poster=p.png><source src=v.mp4></video>"
          "<svg width='10' height='10'><rect width='10' height='10'/></svg><object data='d.svg'>f</object>"
          "<pre class=c>code</pre></p>");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    corpusRoot = QDir(QString::fromLocal8Bit(argv[1]));
    bitmaps();
    metafiles();
    jpegs();
    texts();
    return 0;
}
