// The main window with 1,000 lecture topics: "Лекции" filling the tree, and a click on a topic up
// to the moment the HTML view has the lecture's path.
#include "app/tform1.h"
#include "app/tform3.h"
#include "bench/sidebyside.h"
#include "platform/htmlview.h"
#include "skin/controls/tstreeview.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeWidgetItem>
#include <benchmark/benchmark.h>

namespace {

constexpr int topicCount = 1000;

QString courseRows()
{
    QString script;
    for (int i = 0; i < topicCount; ++i)
        script +=
            QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Тема лекции номер %1', 'lecture%1.htm');").arg(i);
    return script;
}

void clickTopic(int index)
{
    QTreeWidgetItem* item = Form3->TreeView1->topLevelItem(index);
    Form3->TreeView1->scrollToItem(item);
    QTest::mouseClick(Form3->TreeView1->viewport(), Qt::LeftButton, {},
                      Form3->TreeView1->visualItemRect(item).center());
}

void BM_LecturesMenu(benchmark::State& state)
{
    for (auto _ : state) {
        Form3->N1->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LecturesMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TopicClickUntilTheViewHasThePath(benchmark::State& state)
{
    Form3->N1->trigger();
    QApplication::processEvents();
    int index = 0;
    for (auto _ : state) {
        index = (index + 397) % topicCount;
        clickTopic(index);
        if (!Form3->WebBrowser1->locationPath().endsWith(QStringLiteral("lecture%1.htm").arg(index)))
            state.SkipWithError("the view did not get the topic's path");
        state.PauseTiming();
        QApplication::processEvents(); // the view's own loading, after the handler
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TopicClickUntilTheViewHasThePath)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LecturesMenuThenTopicClick(benchmark::State& state)
{
    for (auto _ : state) {
        Form3->N1->trigger();
        QApplication::processEvents();
        clickTopic(topicCount - 1);
        benchmark::DoNotOptimize(Form3->WebBrowser1->locationPath());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LecturesMenuThenTopicClick)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runOverProgram(argc, argv, courseRows(), [] { Form3->show(); });
}
