// Opening a lecture up to its first painted screen in the HTML view, with the markup rewritten
// for the view and its SVG pictures and formulas drawn (HtmlView), and, side by side, the same
// file handed to a plain text browser as it stands: the lecture saved from a word processor (also
// the largest lecture of the demo course), the lectures of diagrams, of recordings and of
// formulas, the largest demo document and a 1 MB lecture.
#include "bench/sidebyside.h"
#include "platform/htmlview.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <benchmark/benchmark.h>

namespace {

const QString teoria = QStringLiteral(VESTORIA_PROGRAM_DIR "/Teoria/");

QString decoded(const QString& path)
{
    QString whyNot;
    return HtmlView::readDocument(path, &whyNot);
}

// The manual's body repeated up to a megabyte: a long lecture written for the web, kept in a
// folder of its own so that the course is not touched.
QString megabyteLecture()
{
    static QTemporaryDir folder;
    const QString manual = decoded(teoria + QStringLiteral("Руководство.htm"));
    const qsizetype bodyStart = manual.indexOf(QStringLiteral("<body"));
    const qsizetype bodyEnd = manual.indexOf(QStringLiteral("</body>"));
    const QString body = manual.mid(bodyStart, bodyEnd - bodyStart);
    QString text = manual.left(bodyStart);
    while (text.size() < 1024 * 1024)
        text += body;
    QFile file(folder.filePath(QStringLiteral("megabyte.htm")));
    file.open(QIODevice::WriteOnly);
    file.write((text + QStringLiteral("</body></html>")).toUtf8());
    return file.fileName();
}

const QString& lecture(int which)
{
    static const QString paths[] = {teoria + QStringLiteral("lekcia11.htm"),    teoria + QStringLiteral("lekcia12.htm"),
                                    teoria + QStringLiteral("lekcia13.htm"),    teoria + QStringLiteral("lekcia14.htm"),
                                    teoria + QStringLiteral("Руководство.htm"), megabyteLecture()};
    return paths[which];
}
constexpr int lectureCount = 6;

void paint(QWidget& view, QImage& screen)
{
    QPainter painter(&screen);
    view.render(&painter);
}

void BM_OpenInTheView(benchmark::State& state)
{
    HtmlView view;
    view.resize(1000, 700);
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.navigate(lecture(int(state.range(0))));
        while (view.loadPending())
            QCoreApplication::processEvents();
        paint(view, screen);
    }
}

void BM_OpenAsItStands(benchmark::State& state)
{
    QTextBrowser view;
    view.resize(1000, 700);
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        const QString& path = lecture(int(state.range(0)));
        view.document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
        view.setHtml(decoded(path));
        paint(view, screen);
    }
}
BENCHMARK(BM_OpenInTheView)->DenseRange(0, lectureCount - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAsItStands)->DenseRange(0, lectureCount - 1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    std::vector<SideBySidePair> pairs;
    for (int which = 0; which < lectureCount; ++which)
        pairs.push_back({"BM_OpenInTheView/" + std::to_string(which), "BM_OpenAsItStands/" + std::to_string(which)});
    return runSideBySide(argc, argv, pairs);
}
