// A key typed into the search bar (Ctrl+F) over a lecture of a megabyte, up to the marks painted
// on the screen: the bar counts every hit in the lecture and marks those in view. A single
// common letter is the worst key, with tens of thousands of hits.
#include "app/searchbar.h"
#include "bench/sidebyside.h"
#include "platform/htmlview.h"
#include "skin/controls/tsedit.h"

#include <QApplication>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

namespace {

QString megabyteLecture()
{
    QString html = QStringLiteral("<html><body>");
    for (int paragraph = 0; html.size() < 1024 * 1024; ++paragraph)
        html += QStringLiteral("<p>Почтовая станция номер %1 стояла на тракте, и ямщики меняли там лошадей.</p>")
                    .arg(paragraph);
    return html + QStringLiteral("</body></html>");
}

void BM_TypeALetterInAMegabyteLecture(benchmark::State& state)
{
    QWidget window;
    auto* view = new HtmlView(&window);
    auto* bar = new SearchBar(view, &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(bar);
    layout->addWidget(view, 1);
    window.resize(1000, 700);
    view->setHtml(megabyteLecture());
    window.show();
    bar->open();
    QApplication::processEvents();
    for (auto _ : state) {
        bar->edit->setText(QStringLiteral("а"));
        view->viewport()->repaint();
        state.PauseTiming();
        if (bar->hitCount() == 0)
            state.SkipWithError("the letter was not found");
        bar->edit->clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeALetterInAMegabyteLecture)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
