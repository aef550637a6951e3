// Applying the internal skin: masks, patterns and sections loaded, and the new skin announced to
// ten hidden forms with their controls. Also the lookups that a control does once per skin change.

#include "skin/core/ferroluxskin.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/tscommondata.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "bench/sidebyside.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class Control : public QWidget {
public:
    Control(QWidget* parent, ControlKind kind) : QWidget(parent), skin(this, true)
    {
        skin.setControlKind(kind);
        skin.updateSection();
    }

protected:
    bool event(QEvent* event) override { return skin.handleMessage(event) || QWidget::event(event); }

private:
    TsCommonData skin;
};

// Ten forms of about the size of the program's windows: panels holding buttons, edits and lists.
std::vector<std::unique_ptr<Form>> makeForms()
{
    std::vector<std::unique_ptr<Form>> forms;
    for (int f = 0; f < 10; ++f) {
        auto form =
            std::make_unique<Form>(QStringLiteral("Form%1").arg(f), QStringLiteral("Form"), QRect(0, 0, 640, 480));
        for (int p = 0; p < 3; ++p) {
            auto* panel = new Control(form->client(), ControlKind::Panel);
            using enum ControlKind;
            for (ControlKind kind : {Button, Button, Edit, Memo, ListBox, TreeView, RadioButton})
                new Control(panel, kind);
        }
        forms.push_back(std::move(form));
    }
    return forms;
}

void ApplyInternalSkin(benchmark::State& state)
{
    const auto forms = makeForms();
    TsSkinManager manager(nullptr);
    manager.setInternalSkins({ferroluxSkin()});
    manager.setSkinName(ferroluxSkinName);
    for (auto _ : state) {
        manager.setSkinName(ferroluxSkinName);
        benchmark::DoNotOptimize(skinInForce()->sections.size());
    }
    state.counters["controls"] = 10 * 3 * 8;
}
BENCHMARK(ApplyInternalSkin)->Unit(benchmark::kMillisecond);

void LookUpSectionAndBorder(benchmark::State& state)
{
    TsSkinManager manager(nullptr);
    manager.setInternalSkins({ferroluxSkin()});
    manager.setSkinName(ferroluxSkinName);
    const SkinTables& skin = *skinInForce();
    const QString name = QStringLiteral("TabRight");
    for (auto _ : state) {
        const int index = skin.FindSection(name);
        benchmark::DoNotOptimize(skin.FindMask(index, name, QStringLiteral("BORDERSMASK")));
    }
}
BENCHMARK(LookUpSectionAndBorder);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
