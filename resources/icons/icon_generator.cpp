// icon_generator <output folder>
// Writes the program's quill as the desktop's icon theme expects it: hicolor/<n>x<n>/apps/vestoria.png
// for every size a menu, a launcher or a software centre asks for, and hicolor/scalable/apps/vestoria.svg.
// A build tool, not part of the program: it draws without a display.
#include "resources/icons/quill.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool makeFolderOf(const QString& file)
{
    return QDir().mkpath(QFileInfo(file).path());
}

bool writePng(const QString& file, int size)
{
    return makeFolderOf(file) && quillImage(size).save(file, "PNG");
}

bool writeSvg(const QString& file)
{
    if (!makeFolderOf(file))
        return false;
    constexpr int size = 256;
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Vestoria"));
    svg.setDescription(QStringLiteral("The quill of the electronic textbook Vestoria"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintQuill(painter, size);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = theme.filePath(QStringLiteral("%1x%1/apps/vestoria.png").arg(size));
        if (!writePng(file, size)) {
            std::fprintf(stderr, "icon_generator: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString svg = theme.filePath(QStringLiteral("scalable/apps/vestoria.svg"));
    if (!writeSvg(svg)) {
        std::fprintf(stderr, "icon_generator: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
