// The skinned window frame: rebuilding a large window's whole image (against copying as many
// bytes), what a hover over a title button repaints, and a skin change reaching ten windows that
// wear the frame, with their controls.

#include "bench/sidebyside.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsmemo.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/skinmessage.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "platform/metrics.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<TsSkinManager> internalSkin()
{
    auto manager = std::make_unique<TsSkinManager>(nullptr);
    manager->setInternalSkins({ferroluxSkin()});
    manager->setSkinName(ferroluxSkinName);
    return manager;
}

// The main window's shape: a menu bar of its eight entries over the client area.
std::unique_ptr<Form> mainWindowLike(const QSize& size)
{
    auto form = std::make_unique<Form>(QStringLiteral("Main"), QStringLiteral("Вестория"), QRect(QPoint(0, 0), size));
    auto* bar = new QMenuBar(form.get());
    for (const char* item : {"Лекции", "Презентации", "Мультимедиа", "Фото", "Тестирование", "Преподаватель", "УМКД",
                             "Руководство пользователя"})
        bar->addMenu(QString::fromUtf8(item));
    form->layout()->setMenuBar(bar);
    return form;
}

void RebuildFrameImage1920x1080(benchmark::State& state)
{
    const auto manager = internalSkin();
    const auto form = mainWindowLike(QSize(1920, 1080));
    auto* provider = new TsSkinProvider(form.get());
    for (auto _ : state) {
        sendSkinMessage(form.get(), SKM_REPAINT);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(provider->frameImage().constBits());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(provider->frameImage().sizeInBytes()));
}
BENCHMARK(RebuildFrameImage1920x1080)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Copying as many bytes as the rebuilt image holds.
void MemcpyFrameImage1920x1080(benchmark::State& state)
{
    const auto manager = internalSkin();
    const auto form = mainWindowLike(QSize(1920, 1080));
    const QImage image = (new TsSkinProvider(form.get()))->frameImage();
    std::vector<uint8_t> copy(size_t(image.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(copy.data(), image.constBits(), copy.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.sizeInBytes()));
}
BENCHMARK(MemcpyFrameImage1920x1080)->Unit(benchmark::kMicrosecond);

// Counts the pixels the window repaints.
class PaintCounter : public QObject {
public:
    int64_t pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                pixels += int64_t(rect.width()) * rect.height();
        return false;
    }
};

void HoverTitleButton(benchmark::State& state)
{
    const auto manager = internalSkin();
    const auto form = mainWindowLike(QSize(1009, 601));
    auto* provider = new TsSkinProvider(form.get());
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QApplication::processEvents();
    PaintCounter counter;
    form->installEventFilter(&counter);
    const QPoint button = provider->titleButtonRect(TitleButton::Close).center();
    const QPoint caption(form->width() / 2, (metrics::frameWidth + metrics::captionHeight) / 2);
    int64_t hovers = 0;
    for (auto _ : state) {
        for (const QPoint& at : {button, caption}) {
            QMouseEvent move(QEvent::MouseMove, at, form->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(form.get(), &move);
            QApplication::processEvents();
        }
        hovers += 2;
    }
    form->removeEventFilter(&counter);
    state.counters["pixels_per_hover"] = hovers ? double(counter.pixels) / double(hovers) : 0;
    state.counters["button_pixels"] =
        provider->titleButtonRect(TitleButton::Close).width() * provider->titleButtonRect(TitleButton::Close).height();
}
BENCHMARK(HoverTitleButton)->Unit(benchmark::kMicrosecond);

// Ten windows with a frame each and the controls of a typical window.
std::vector<std::unique_ptr<Form>> tenSkinnedWindows()
{
    std::vector<std::unique_ptr<Form>> forms;
    for (int index = 0; index < 10; ++index) {
        auto form =
            std::make_unique<Form>(QStringLiteral("Form%1").arg(index), QStringLiteral("Окно"), QRect(0, 0, 640, 480));
        for (int p = 0; p < 3; ++p) {
            auto* panel = new TsPanel(form->client());
            new TsButton(panel);
            new TsButton(panel);
            new TsEdit(panel);
            new TsMemo(panel);
            new TsListBox(panel);
            new TsTreeView(panel);
            new TsRadioButton(panel);
        }
        new TsSkinProvider(form.get());
        forms.push_back(std::move(form));
    }
    return forms;
}

void SkinChangeOnTenWindows(benchmark::State& state)
{
    const auto manager = internalSkin();
    const auto forms = tenSkinnedWindows();
    for (auto _ : state) {
        manager->setSkinName(ferroluxSkinName);
        for (const auto& form : forms)
            benchmark::DoNotOptimize(TsSkinProvider::of(form.get())->frameImage().constBits());
    }
    state.counters["windows"] = double(forms.size());
}
BENCHMARK(SkinChangeOnTenWindows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runSideBySide(argc, argv, {{"RebuildFrameImage1920x1080", "MemcpyFrameImage1920x1080"}});
}
