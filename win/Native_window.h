// TForm1 on the platform's own controls: the main window made from the
// layout table, a passive view (View.h) for the form, which it reports
// every user action to. It shows only what the form tells it and sets a
// control only when what it shows changes.
#pragma once

#include "Controls.h"
#include "Form.h"
#include "View.h"

#include <functional>
#include <memory>
#include <string>

namespace qm {

class NativeWindow : public View {
public:
    // Makes the window and its controls, hidden, at the screen's DPI, and
    // the form over them.
    NativeWindow();
    ~NativeWindow() override;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    void show();
    Form& form() { return *form_; }
    Controls& controls() { return *controls_; }
    Hwnd hwnd() const { return hwnd_; }

    // Runs one message of the window's loop: Enter goes to the form before
    // the dialog keys (Tab, arrows) are handled. MSG is the platform's.
    void dispatch(const void* msg);

    // What a message box and a file dialog do instead of showing, for the
    // window's tests: a box recorded, a path answered.
    std::function<void(BoxKind, const std::string&)> boxHook;
    std::function<std::string(const FileDialogSetup&)> fileDialogHook;

    std::string text(Id control) const override;
    void setText(Id control, const std::string& text) override;
    bool checked(Id control) const override;
    void setChecked(Id control, bool on) override;
    int entry(Id control) const override;
    void setEntry(Id control, int position) override;
    bool enabled(Id control) const override;
    void setEnabled(Id control, bool on) override;
    bool shown(Id control) const override;
    void setShown(Id control, bool on) override;
    void setBackground(Id control, Background look) override;
    int caret(Id control) const override;
    void setCaret(Id control, int position) override;
    Selection selection(Id control) const override;
    int page() const override;
    void setPage(int page) override;
    Id focused() const override;
    void setFocus(Id control, FocusWay way) override;
    void setTabStop(Id control, bool on) override;
    void repaint() override;
    void showBox(BoxKind kind, const std::string& text) noexcept override;
    std::string runFileDialog(const FileDialogSetup& dialog) override;
    void close() override;

    // The window's messages and its controls' (the procedures of the
    // platform call these).
    long long handle(Hwnd hwnd, unsigned message, unsigned long long w, long long l);
    // A phone box's keys, pastes and clicks go to the form's phone reports;
    // a radio button's focus alone selects nothing. True when handled.
    bool phoneMessage(NativeControl& box, unsigned message, unsigned long long w, long long l);
    bool radioMessage(NativeControl& button, unsigned message, unsigned long long w, long long l);

private:
    void command(NativeControl& c, int code);
    void showPage(int page);

    Hwnd hwnd_ = nullptr;
    std::unique_ptr<Controls> controls_;
    std::unique_ptr<Form> form_;
    // A radio button takes the focus: the click it reports for it is none.
    bool radioFocus_ = false;
};

// The window's loop until it closes; the exit code.
int RunMessageLoop(NativeWindow& window);
// Runs every message waiting for the window's thread, through the window's
// loop, until none is left.
void PumpMessages(NativeWindow& window);

} // namespace qm
