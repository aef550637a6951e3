// The material editor switching between two of its pages by a click on a tab, up to the moment
// the page control, the new page's grid and its navigator have repainted themselves in the skin.
#include "bench/sidebyside.h"
#include "skin/controls/tspagecontrol.h"
#include "teacher/tform10.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

constexpr int rowsPerTable = 40;

QString courseRows()
{
    QString script;
    for (int i = 0; i < rowsPerTable; ++i) {
        script += QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Лекция %1', 'lekcia%1.htm');").arg(i);
        script += QStringLiteral("INSERT INTO media (name, file) VALUES ('Запись %1', 'zapis%1.wav');").arg(i);
    }
    return script;
}

// Clicks the tab and repaints what the click changed, the way the next frame on screen would.
void switchTo(TsPageControl* pages, int index)
{
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(index).center());
    pages->repaint();
}

void BM_SwitchTabWithRepaint(benchmark::State& state)
{
    TsPageControl* pages = Form10->sPageControl1;
    int next = 1;
    for (auto _ : state) {
        switchTo(pages, next);
        if (pages->currentIndex() != next) {
            state.SkipWithError("the click did not switch the page");
            break;
        }
        next = 1 - next;
    }
    if (!pages->skinPaints())
        state.SkipWithError("the page control is not painted by the skin");
}
BENCHMARK(BM_SwitchTabWithRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page control's picture alone (tab strip, tabs, frame and the page's background) made anew.
void BM_PageControlPictureRebuild(benchmark::State& state)
{
    TsPageControl* pages = Form10->sPageControl1;
    for (auto _ : state) {
        pages->SkinData.markStale();
        benchmark::DoNotOptimize(pages->skinImage().constBits());
    }
}
BENCHMARK(BM_PageControlPictureRebuild)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same page painted again with nothing changed: the copy of the cached picture alone.
void BM_RepaintWithoutChange(benchmark::State& state)
{
    TsPageControl* pages = Form10->sPageControl1;
    for (auto _ : state)
        pages->repaint();
}
BENCHMARK(BM_RepaintWithoutChange)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runOverProgram(argc, argv, courseRows(), [] {
        Form10->show();
        Form10->sPageControl1->setCurrentIndex(0);
        QApplication::processEvents();
    });
}
