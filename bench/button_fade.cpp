// A hover over a push button whose section fades: the time of one fade step (blending the old and
// the new look and putting it on the button's window) on a 105 x 25 button, and a count of the
// face repaints from the skin during the fade, which must stay 0: each step only blends images.
#include "platform/programfolder.h"
#include "skin/controls/tsbutton.h"
#include "skin/core/fadetimer.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"
#include "bench/sidebyside.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_ButtonHoverFadeStep(benchmark::State& state)
{
    QTemporaryDir folder;
    setProgramFolderOverride(folder.path());
    TsSkinManager manager(nullptr);
    manager.setInternalSkins({ferroluxSkin()});
    manager.setSkinName(ferroluxSkinName);
    QWidget window;
    window.resize(200, 60);
    auto* button = new TsButton(&window);
    button->setText(QStringLiteral("Вход"));
    button->setGeometry(10, 10, 105, 25);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    button->repaint();

    QEnterEvent enter(QPointF(50, 12), QPointF(50, 12), button->mapToGlobal(QPointF(50, 12)));
    QCoreApplication::sendEvent(button, &enter);
    auto* timer = button->findChild<TsFadeTimer*>();
    if (!timer) {
        state.SkipWithError("the button's section does not fade");
        return;
    }
    timer->stop();
    const int rebuildsBefore = button->cacheRebuilds();
    for (auto _ : state) {
        timer->fadeLevel = 2;
        timer->tick();
    }
    state.counters["section_repaints_during_fade"] = double(button->cacheRebuilds() - rebuildsBefore);
    setProgramFolderOverride(QString());
}
BENCHMARK(BM_ButtonHoverFadeStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
