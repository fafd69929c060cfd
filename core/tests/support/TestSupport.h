// Helpers shared by the test suites: a message recorder, temporary folders,
// whole-file reads and writes, and variables of the environment set for a
// while.
#pragma once

#include "MessageSink.h"
#include "Settings.h"

#include <optional>
#include <string>
#include <vector>

namespace qmtest {

struct Message {
    std::string text;
    std::string path;
    bool operator==(const Message& o) const { return text == o.text && path == o.path; }
};

class RecordingMessages : public qm::MessageSink {
public:
    void showMessage(const std::string& text, const std::string& path) override {
        shown.push_back({text, path});
    }
    std::vector<Message> shown;
};

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Sets one variable of the process environment (the one child processes
// inherit and the platform's own calls read), or removes it for no value, for
// the life of the object. One implementation per platform.
class EnvVar {
public:
    EnvVar(std::string name, const std::optional<std::string>& value);
    ~EnvVar();
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The user's data folder, where the board archive lives, pointed at dir:
// $XDG_DATA_HOME on POSIX systems, %LOCALAPPDATA% on Windows. No test may
// keep copies in the real one.
struct DataHomeEnv : EnvVar {
    explicit DataHomeEnv(const std::string& dir);
};

// Whole-file reads and writes by UTF-8 path.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
std::vector<std::string> SplitCrLfLines(const std::string& text);

// The directory of the checked-in test fixtures.
std::string FixturePath(const std::string& name);

} // namespace qmtest
