// The window's own work on Qt's offscreen platform: filling every control
// from a full record, and creating and showing the window.
#include "Set_def.h"
#include "Settings.h"
#include "TForm1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Every text at its capacity, every number non-zero and in range, the phones
// in both forms: the most a fill can have to do.
qm::Settings FullRecord() {
    qm::Settings settings = qm::Set_def();
    for (int n = qm::kFirstSetting; n <= 5; ++n)
        qm::CopyText(qm::TextField(settings, n), qm::TextCapacity(n),
                     std::string(qm::TextCapacity(n) - 1, static_cast<char>('a' + n)));
    qm::CopyText(settings.SET06, qm::kShortTextSize, "+79161234567");
    qm::CopyText(settings.SET07, qm::kShortTextSize, "84951234567");
    for (int n = 8; n <= 27; ++n)
        qm::SetNumberValue(settings, n, n % 2 == 0 ? 4999 : 99);
    settings.SET28 = 0x3F;
    settings.SET29 = 3;
    return settings;
}

// Alternates between two full records so that every fill changes every control.
void BM_ShowAll(benchmark::State& state) {
    qm::TForm1 form;
    qm::Settings& settings = form.form().record();
    settings = FullRecord();
    form.show();
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        settings.SET08 = odd ? 4999 : 4998;
        settings.SET32 = odd ? 600 : 601;
        odd = !odd;
        state.ResumeTiming();
        form.form().Show_all();
    }
}
BENCHMARK(BM_ShowAll)->Unit(benchmark::kMicrosecond);

void BM_CreateAndShowWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<qm::TForm1>();
        form->show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CreateAndShowWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
