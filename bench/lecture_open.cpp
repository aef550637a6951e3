// Opening a lecture up to its first painted screen, with the markup rewritten for the view
// (LectureMarkup) and, side by side, the same text handed to the view as it stands: the lecture
// saved from a word processor, the largest demo document and a 1 MB lecture.
#include "bench/sidebyside.h"
#include "platform/htmlview.h"
#include "platform/lecturemarkup.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <benchmark/benchmark.h>

namespace {

QString lecture(const char* name)
{
    QFile file(QStringLiteral(VESTORIA_PROGRAM_DIR "/Teoria/") + QString::fromUtf8(name));
    file.open(QIODevice::ReadOnly);
    return HtmlView::decodeHtml(file.readAll());
}

// The manual's body repeated up to a megabyte: a long lecture written for the web.
QString megabyteLecture()
{
    const QString manual = lecture("Руководство.htm");
    const qsizetype bodyStart = manual.indexOf(QStringLiteral("<body"));
    const qsizetype bodyEnd = manual.indexOf(QStringLiteral("</body>"));
    const QString body = manual.mid(bodyStart, bodyEnd - bodyStart);
    QString text = manual.left(bodyStart);
    while (text.size() < 1024 * 1024)
        text += body;
    return text + QStringLiteral("</body></html>");
}

const QString& text(int which)
{
    static const QString texts[] = {lecture("lekcia11.htm"), lecture("Руководство.htm"), megabyteLecture()};
    return texts[which];
}

void open(benchmark::State& state, bool rewritten)
{
    QTextBrowser view;
    view.resize(1000, 700);
    QImage screen(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        const QString& html = text(static_cast<int>(state.range(0)));
        view.setHtml(rewritten ? LectureMarkup::prepare(html) : html);
        QPainter painter(&screen);
        view.render(&painter);
    }
}

void BM_OpenRewritten(benchmark::State& state)
{
    open(state, true);
}
void BM_OpenAsItStands(benchmark::State& state)
{
    open(state, false);
}
BENCHMARK(BM_OpenRewritten)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAsItStands)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runSideBySide(argc, argv,
                         {{"BM_OpenRewritten/0", "BM_OpenAsItStands/0"},
                          {"BM_OpenRewritten/1", "BM_OpenAsItStands/1"},
                          {"BM_OpenRewritten/2", "BM_OpenAsItStands/2"}});
}
