// Store and load of the settings image on a RAM-backed folder, so that the
// figures are the editor's own work rather than the medium's.
#include "Image_transfer.h"
#include "Read_file.h"
#include "Set_def.h"
#include "Settings.h"
#include "Write_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

class Silent : public qm::MessageSink {
public:
    void showMessage(const std::string& text, const std::string& path) override {
        throw std::runtime_error(text + path);
    }
};

// A private folder on tmpfs, which also holds the temporary file.
const std::string& ramDir() {
    static std::string dir = [] {
        char tmpl[] = "/dev/shm/qmconf-bench-XXXXXX";
        if (!::mkdtemp(tmpl))
            throw std::runtime_error("no /dev/shm");
        ::setenv("XDG_RUNTIME_DIR", tmpl, 1);
        return std::string(tmpl);
    }();
    return dir;
}

void storeDefaults(const std::string& path) {
    Silent messages;
    if (qm::WriteImage(path, qm::Set_def(), false, messages) != qm::ImageResult::Success)
        throw std::runtime_error("store failed");
}

void BM_StoreImage(benchmark::State& state) {
    const std::string path = ramDir() + "/set.ini";
    const qm::Settings settings = qm::Set_def();
    Silent messages;
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::WriteImage(path, settings, false, messages));
}
BENCHMARK(BM_StoreImage);

void BM_LoadImage(benchmark::State& state) {
    const std::string path = ramDir() + "/set.ini";
    storeDefaults(path);
    Silent messages;
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::ReadImage(path, messages));
}
BENCHMARK(BM_LoadImage);

void BM_StoreThenLoad(benchmark::State& state) {
    const std::string path = ramDir() + "/set.ini";
    const qm::Settings settings = qm::Set_def();
    Silent messages;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qm::WriteImage(path, settings, false, messages));
        benchmark::DoNotOptimize(qm::ReadImage(path, messages));
    }
}
BENCHMARK(BM_StoreThenLoad);

void BM_SettingsFileText(benchmark::State& state) {
    const qm::Settings settings = qm::Set_def();
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::SettingsFileText(settings, false));
}
BENCHMARK(BM_SettingsFileText);

void BM_ReadSettingsText(benchmark::State& state) {
    const std::string text = qm::SettingsFileText(qm::Set_def(), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::ReadSettingsText(text));
}
BENCHMARK(BM_ReadSettingsText);

} // namespace

BENCHMARK_MAIN();
