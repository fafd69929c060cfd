#include "TestSupport.h"

#include "Utf16.h"

#include <windows.h>

#include <utility>

namespace qmtest {

namespace {

void set(const std::string& name, const std::optional<std::string>& value) {
    SetEnvironmentVariableW(qm::Wide(name).c_str(), value ? qm::Wide(*value).c_str() : nullptr);
}

} // namespace

EnvVar::EnvVar(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    const std::wstring wide = qm::Wide(name_);
    if (const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0)) {
        std::wstring old(size, L'\0');
        old.resize(GetEnvironmentVariableW(wide.c_str(), old.data(), size));
        old_ = qm::Utf8(old);
    }
    set(name_, value);
}

EnvVar::~EnvVar() {
    set(name_, old_);
}

DataHomeEnv::DataHomeEnv(const std::string& dir) : EnvVar("LOCALAPPDATA", dir) {}

} // namespace qmtest
