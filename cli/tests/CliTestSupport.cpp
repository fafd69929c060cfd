#include "CliTest.h"

#include "Set_def.h"
#include "Settings.h"
#include "Write_file.h"

namespace fs = std::filesystem;

namespace qmtest {

std::string DefaultsTextWith(const std::vector<std::pair<std::string, std::string>>& lines) {
    qm::ResetSettings();
    qm::Set_def();
    std::string text = qm::SettingsFileText(qm::settings, false);
    for (const auto& [key, value] : lines) {
        const std::size_t at = text.find("\r\n" + key + "=");
        if (at == std::string::npos) {
            text.insert(text.find("\r\n") + 2, key + "=" + value + "\r\n");
        } else {
            const std::size_t start = at + 3 + key.size();
            text.replace(start, text.find("\r\n", start) - start, value);
        }
    }
    return text;
}

void CliTest::SetUp() {
    fs::create_directory(fs::u8path(dir.file("run")));
    tempEnv_ = std::make_unique<TempDirEnv>(dir.file("run"));
    dataEnv_ = std::make_unique<DataHomeEnv>(data.path());
    previousFolder_ = fs::current_path();
    fs::current_path(fs::u8path(dir.path()));
}

void CliTest::TearDown() {
    fs::current_path(previousFolder_);
    dataEnv_.reset();
    tempEnv_.reset();
}

bool CliTest::exists(const std::string& name) const {
    return fs::exists(fs::u8path(file(name)));
}

} // namespace qmtest
