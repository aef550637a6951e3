// Speed of the skin painters against plain memory copies of the same size, so that the figures
// can be read as ratios on any machine.

#include "bench/sidebyside.h"
#include "skin/core/animtimer.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/skinloader.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skininforce.h"
#include "skin/core/tscommondata.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int screenWidth = 1920;
constexpr int screenHeight = 1080;

QImage noise(int width, int height, unsigned seed)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uint8_t* p = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x) {
            seed = seed * 134775813u + 1u;
            p[x] = uint8_t(seed >> 24);
        }
    }
    return image;
}

// The internal skin's tables put in force, as after a skin change.
const SkinTables& loadSkin()
{
    const SkinSource source{{}, ferroluxSkinName, {ferroluxSkin()}, {}};
    putSkinInForce(std::get<LoadedSkin>(loadSkinTables(source)).tables);
    skinData().ready = true;
    return *skinInForce();
}

void BM_MemcpyScreen(benchmark::State& state)
{
    const size_t bytes = size_t(screenWidth) * screenHeight * 3;
    std::vector<uint8_t> from(bytes, 1);
    std::vector<uint8_t> to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyScreen)->Unit(benchmark::kMicrosecond);

void BM_FormBackgroundScreen(benchmark::State& state)
{
    const SkinTables& skin = loadSkin();
    const int form = skin.FindSection(QStringLiteral("FORM"));
    QImage target(screenWidth, screenHeight, QImage::Format_BGR888);
    for (auto _ : state) {
        paintSectionBackground(skin, target, target.rect(),
                               {.sectionIndex = form, .sectionName = QStringLiteral("FORM")});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * screenWidth * screenHeight * 3);
}
BENCHMARK(BM_FormBackgroundScreen)->Unit(benchmark::kMicrosecond);

void BM_RegionBlendScreen(benchmark::State& state)
{
    QImage destination = noise(screenWidth, screenHeight, 1);
    const QImage source = noise(screenWidth, screenHeight, 2);
    for (auto _ : state) {
        regionBlend(destination, source, 127, QPoint(0, 0), source.rect());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * screenWidth * screenHeight * 3);
}
BENCHMARK(BM_RegionBlendScreen)->Unit(benchmark::kMicrosecond);

void BM_ButtonItem(benchmark::State& state)
{
    const SkinTables& skin = loadSkin();
    const int button = skin.FindSection(QStringLiteral("BUTTON"));
    QImage target(105, 25, QImage::Format_BGR888);
    for (auto _ : state) {
        paintItem(skin, target, target.rect(),
                  {.sectionIndex = button,
                   .sectionName = QStringLiteral("BUTTON"),
                   .position = QPoint(10, 10),
                   .state = ControlState::Hot});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ButtonItem)->Unit(benchmark::kMicrosecond);

void BM_ButtonFadeStep(benchmark::State& state)
{
    loadSkin();
    QWidget button;
    button.resize(105, 25);
    TsCommonData data(&button, true);
    data.setSkinSection(QStringLiteral("BUTTON"));
    data.cache() = noise(105, 25, 3);
    TsAnimTimer* timer = nullptr;
    startFade(timer, &button, data, true, [&] { data.cache() = noise(105, 25, 4); });
    for (auto _ : state) {
        timer->fadeLevel = 2;
        timer->tick();
        benchmark::ClobberMemory();
    }
    data.setOwnerDestroying();
}
BENCHMARK(BM_ButtonFadeStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runSideBySide(argc, argv,
                         {{"BM_FormBackgroundScreen", "BM_MemcpyScreen"}, {"BM_RegionBlendScreen", "BM_MemcpyScreen"}});
}
