// The material editor's results page over 10,000 stored results: one step of the cursor, by the
// navigator or the grid's keys, up to the moment the grid has repainted itself.
#include "bench/sidebyside.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "skin/controls/tspagecontrol.h"
#include "teacher/dbgrid.h"
#include "teacher/tform10.h"
#include "teacher/tsdbnavigator.h"
#include "teacher/tsnavbutton.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

constexpr int resultCount = 10000;

QString courseRows()
{
    QString script;
    static const char* const grades[] = {"A", "B", "C", "D", "F"};
    for (int i = 0; i < resultCount; ++i)
        script +=
            QStringLiteral(
                "INSERT INTO result (fio, data, kol, ocenka) VALUES ('Студент номер %1', '2026-05-%2', 20, '%3');")
                .arg(i)
                .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                .arg(QLatin1String(grades[i % 5]));
    return script;
}

// The grid as a user sees it after the step: cells and indicator column painted now.
void repaintGrid()
{
    Form10->DBGrid4->viewport()->repaint();
    Form10->DBGrid4->verticalHeader()->viewport()->repaint();
}

void BM_NavigatorNextWithRepaint(benchmark::State& state)
{
    Table* results = DataModule2->ADOTable6;
    results->first();
    TsNavButton* next = Form10->sDBNavigator4->button(TsDBNavigator::nbNext);
    for (auto _ : state) {
        if (results->eof()) {
            state.PauseTiming();
            results->first();
            state.ResumeTiming();
        }
        next->click();
        repaintGrid();
    }
    if (Form10->DBGrid4->currentIndex().row() != results->recordIndex())
        state.SkipWithError("the grid did not follow the cursor");
}
BENCHMARK(BM_NavigatorNextWithRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_NavigatorFirstLastWithRepaint(benchmark::State& state)
{
    TsDBNavigator* navigator = Form10->sDBNavigator4;
    bool toLast = true;
    for (auto _ : state) {
        navigator->btnClick(toLast ? TsDBNavigator::nbLast : TsDBNavigator::nbFirst);
        toLast = !toLast;
        repaintGrid();
    }
}
BENCHMARK(BM_NavigatorFirstLastWithRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_GridKeyDownWithRepaint(benchmark::State& state)
{
    Table* results = DataModule2->ADOTable6;
    results->first();
    DBGrid* grid = Form10->DBGrid4;
    for (auto _ : state) {
        if (results->recordIndex() == resultCount - 1) {
            state.PauseTiming();
            results->first();
            state.ResumeTiming();
        }
        QTest::keyClick(grid, Qt::Key_Down);
        repaintGrid();
    }
}
BENCHMARK(BM_GridKeyDownWithRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_GridPageDownWithRepaint(benchmark::State& state)
{
    Table* results = DataModule2->ADOTable6;
    results->first();
    DBGrid* grid = Form10->DBGrid4;
    for (auto _ : state) {
        if (results->recordIndex() >= resultCount - 100) {
            state.PauseTiming();
            results->first();
            state.ResumeTiming();
        }
        QTest::keyClick(grid, Qt::Key_PageDown);
        repaintGrid();
    }
}
BENCHMARK(BM_GridPageDownWithRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runOverProgram(argc, argv, courseRows(), [] {
        Form10->show();
        Form10->sPageControl1->setCurrentWidget(Form10->DBGrid4->parentWidget());
        Form10->DBGrid4->setFocus();
        QApplication::processEvents();
    });
}
