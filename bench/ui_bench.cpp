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
void FullRecord() {
    qm::ResetSettings();
    qm::Set_def();
    for (int n = qm::kFirstSetting; n <= 5; ++n)
        qm::CopyText(qm::TextField(qm::settings, n), qm::TextCapacity(n),
                     std::string(qm::TextCapacity(n) - 1, static_cast<char>('a' + n)));
    qm::CopyText(qm::settings.SET06, qm::kShortTextSize, "+79161234567");
    qm::CopyText(qm::settings.SET07, qm::kShortTextSize, "84951234567");
    for (int n = 8; n <= 27; ++n)
        qm::SetNumberValue(qm::settings, n, n % 2 == 0 ? 4999 : 99);
    qm::settings.SET28 = 0x3F;
    qm::settings.SET29 = 3;
}

// Alternates between two full records so that every fill changes every control.
void BM_ShowAll(benchmark::State& state) {
    FullRecord();
    qm::TForm1 form;
    form.show();
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        qm::settings.SET08 = odd ? 4999 : 4998;
        qm::settings.SET32 = odd ? 600 : 601;
        odd = !odd;
        state.ResumeTiming();
        form.Show_all();
    }
}
BENCHMARK(BM_ShowAll)->Unit(benchmark::kMicrosecond);

void BM_CreateAndShowWindow(benchmark::State& state) {
    qm::ResetSettings();
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
