#include "TestSupport.h"

#include <cstdlib>
#include <utility>

namespace qmtest {

EnvVar::EnvVar(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str()))
        old_ = old;
    value ? ::setenv(name_.c_str(), value->c_str(), 1) : ::unsetenv(name_.c_str());
}

EnvVar::~EnvVar() {
    old_ ? ::setenv(name_.c_str(), old_->c_str(), 1) : ::unsetenv(name_.c_str());
}

DataHomeEnv::DataHomeEnv(const std::string& dir) : EnvVar("XDG_DATA_HOME", dir) {}

} // namespace qmtest
