// Helpers shared by the test suites: a message recorder, a serial entry
// stand-in, temporary folders and whole-file reads and writes.
#pragma once

#include "MessageSink.h"
#include "SerialEntry.h"
#include "Settings.h"

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

// Behaves like the window's serial entry: emptying a non-empty text runs the
// change rule, which empties the serial label of the global record.
class FakeSerialEntry : public qm::SerialEntry {
public:
    bool visible = false;
    bool enabled = false;
    std::string text;
    int changeRuleRuns = 0;

    bool isVisible() const override { return visible; }
    void clearText() override {
        if (text.empty())
            return;
        text.clear();
        ++changeRuleRuns;
        qm::CopyText(qm::settings.serial, qm::kSerialSize, text);
    }
    void hide() override { visible = false; }
    void disable() override { enabled = false; }
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

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
std::vector<std::string> SplitCrLfLines(const std::string& text);

// The directory of the checked-in test fixtures.
std::string FixturePath(const std::string& name);

} // namespace qmtest
