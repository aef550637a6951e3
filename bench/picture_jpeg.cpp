// Loading a 4000 x 3000 JPEG photo and drawing it the first time in the photo window's picture
// view, side by side with libjpeg's own djpeg decoding the same file.
#include "bench/sidebyside.h"
#include "platform/picture.h"
#include "platform/pictureview.h"
#include "tests/platform/picture_fixtures.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>

namespace {

QTemporaryDir* folder = nullptr;
QString photoPath;

// A photograph-like picture: smooth light with fine grain, so that the file is as hard to decode
// as a real photo of that size (a flat picture would flatter both sides).
QByteArray makePhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    QRandomGenerator grain(7);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int noise = int(grain.bounded(40));
            row[3 * x] = uchar((x * 255 / width + noise) & 0xFF);
            row[3 * x + 1] = uchar((y * 255 / height + noise / 2) & 0xFF);
            row[3 * x + 2] = uchar(((x + y) / 32 % 2 ? 200 : 60) + noise / 4);
        }
    }
    return fixtures::jpeg(image, 85);
}

void BM_PhotoLoadAndFirstDraw(benchmark::State& state)
{
    PictureView view;
    view.resize(502, 497); // the photo window's picture view at its designed size
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.setPicture(Picture::load(photoPath));
        view.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_PhotoLoadAndFirstDraw)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PhotoLoadOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Picture::load(photoPath).size());
}
BENCHMARK(BM_PhotoLoadOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// djpeg from libjpeg-turbo-progs decoding the same file to nothing; the process start is part
// of its figure, so a run with an empty input is measured too and taken off.
void BM_Djpeg(benchmark::State& state)
{
    const QStringList arguments{QStringLiteral("-outfile"), QStringLiteral("/dev/null"),
                                state.range(0) ? photoPath : QStringLiteral("/dev/null")};
    for (auto _ : state) {
        QProcess djpeg;
        djpeg.start(QStringLiteral("djpeg"), arguments);
        djpeg.waitForFinished(-1);
    }
    state.SetLabel(state.range(0) ? "photo" : "process start only");
}
BENCHMARK(BM_Djpeg)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir dir;
    folder = &dir;
    photoPath = dir.filePath(QStringLiteral("photo.jpg"));
    QFile file(photoPath);
    file.open(QIODevice::WriteOnly);
    file.write(makePhoto(4000, 3000));
    file.close();
    return runSideBySide(argc, argv, {{"BM_PhotoLoadAndFirstDraw", "BM_Djpeg/1", "BM_Djpeg/0"}});
}
