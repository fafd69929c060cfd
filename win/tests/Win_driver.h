// Drives the real Win32 window as a user would: real messages posted to the
// controls and run through the window's own loop (so that the dialog keys
// and the Enter chain take part), pumped until none is left.
#pragma once

#include "Native_window.h"
#include "Scenarios.h"

#include <string>
#include <vector>

namespace qmtest {

class WinDriver : public ScenarioDriver {
public:
    // The window shown, its boxes recorded and its file dialogs answered.
    WinDriver();
    ~WinDriver() override;

    void click(const std::string& control) override;
    void retype(const std::string& control, const std::string& text) override;
    void typeKeys(const std::string& text) override;
    void paste(const std::string& text) override;
    void pressEnter() override;
    // Through the system's input, as the keyboard sends it: the keys held
    // (Shift, Ctrl) are in the thread's key state when the window reads it.
    void pressKey(Key key) override;
    void pickTab(int page) override;
    void pickEntry(const std::string& control, int entry) override;
    void focus(const std::string& control) override;
    void answerFileDialog(const std::string& path) override { answer_ = path; }
    void showAll() override { window.form().Show_all(); }
    qm::Form& form() override { return window.form(); }

    std::string text(const std::string& control) override;
    std::string selectedText(const std::string& control) override;
    bool checked(const std::string& control) override { return window.checked(IdOf(control)); }
    int entry(const std::string& control) override { return window.entry(IdOf(control)); }
    bool enabled(const std::string& control) override { return window.enabled(IdOf(control)); }
    bool shown(const std::string& control) override { return window.shown(IdOf(control)); }
    int page() override { return window.page(); }
    std::string focused() override;
    std::string status() override { return window.text(qm::Id::StatusBar1); }
    std::vector<std::string> boxes() override { return boxes_; }

    qm::NativeWindow window;

private:
    qm::Hwnd hwnd(const std::string& control);
    // Posts a message to a control and runs the loop until it is idle.
    void post(qm::Hwnd to, unsigned message, unsigned long long w, long long l);

    std::vector<std::string> boxes_;
    std::string answer_;
};

} // namespace qmtest
