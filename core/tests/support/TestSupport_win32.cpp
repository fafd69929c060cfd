#include "TestSupport.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <utility>

namespace qmtest {

namespace {

void set(const std::string& name, const std::optional<std::string>& value) {
    SetEnvironmentVariableW(qm::WideFromUtf8(name).c_str(),
                            value ? qm::WideFromUtf8(*value).c_str() : nullptr);
}

} // namespace

EnvVar::EnvVar(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    const std::wstring wide = qm::WideFromUtf8(name_);
    if (const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0)) {
        std::wstring old(size, L'\0');
        old.resize(GetEnvironmentVariableW(wide.c_str(), old.data(), size));
        old_ = qm::Utf8FromWide(old);
    }
    set(name_, value);
}

EnvVar::~EnvVar() {
    set(name_, old_);
}

DataHomeEnv::DataHomeEnv(const std::string& dir) : EnvVar("LOCALAPPDATA", dir) {}

} // namespace qmtest
