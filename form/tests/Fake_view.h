// A view that only remembers what the form shows, as a window's controls
// would, and a driver that acts on it as a user would: each user action
// changes the control and reports it to the form; nothing the form itself
// sets is reported back. A toolkit that notifies nothing on program changes
// (the Win32 controls) looks just so to the form.
#pragma once

#include "Form.h"
#include "Scenarios.h"
#include "View.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qmtest {

struct FakeControl {
    std::string text;
    bool checked = false;
    int entry = -1;
    bool enabled = true;
    bool shown = true;
    qm::Background background = qm::Background::Working;
    int caret = 0;
    qm::Selection selection;
};

class FakeView : public qm::View {
public:
    // The start states the layout gives: settings controls and the write
    // commands disabled, the serial entry hidden, the serial captions' dots.
    FakeView();

    FakeControl& operator[](std::string_view control);
    const FakeControl& at(std::string_view control) const;

    std::string text(std::string_view c) const override { return at(c).text; }
    void setText(std::string_view c, const std::string& t) override;
    bool checked(std::string_view c) const override { return at(c).checked; }
    void setChecked(std::string_view c, bool on) override { (*this)[c].checked = on; }
    int entry(std::string_view c) const override { return at(c).entry; }
    void setEntry(std::string_view c, int e) override { (*this)[c].entry = e; }
    bool enabled(std::string_view c) const override { return at(c).enabled; }
    void setEnabled(std::string_view c, bool on) override;
    bool shown(std::string_view c) const override { return at(c).shown; }
    void setShown(std::string_view c, bool on) override { (*this)[c].shown = on; }
    void setBackground(std::string_view c, qm::Background b) override { (*this)[c].background = b; }
    int caret(std::string_view c) const override { return at(c).caret; }
    void setCaret(std::string_view c, int p) override;
    qm::Selection selection(std::string_view c) const override { return at(c).selection; }
    int page() const override { return page_; }
    void setPage(int p) override { page_ = p; }
    std::string focused() const override { return focus_; }
    void setFocus(std::string_view c, qm::FocusWay way) override;
    std::string status() const override { return status_; }
    void setStatus(const std::string& t) override { status_ = t; }
    void repaint() override { ++repaints; }
    void showBox(qm::BoxKind kind, const std::string& t) noexcept override;
    std::string runFileDialog(const qm::FileDialogSetup& dialog) override;
    void close() override { closed = true; }

    int repaints = 0;
    bool closed = false;
    std::vector<std::string> boxes;
    std::vector<qm::BoxKind> boxKinds;
    std::string nextPath;                            // the dialog's answer
    std::vector<const qm::FileDialogSetup*> dialogs; // the dialogs run

private:
    std::map<std::string, FakeControl, std::less<>> controls_;
    int page_ = 0;
    std::string focus_;
    std::string status_;
};

class FakeDriver : public ScenarioDriver {
public:
    FakeDriver();

    void click(const std::string& control) override;
    void retype(const std::string& control, const std::string& text) override;
    void typeKeys(const std::string& text) override;
    void pressEnter() override { form_.enterPressed(view.focused()); }
    // As a toolkit's window does: the page keys to the form, Tab along the
    // layout's tab stops of the page shown, the arrows on the tab strip.
    void pressKey(Key key) override;
    void pickTab(int page) override;
    void pickEntry(const std::string& control, int entry) override;
    void focus(const std::string& control) override { view.setFocus(control, qm::FocusWay::Back); }
    void answerFileDialog(const std::string& path) override { view.nextPath = path; }
    void showAll() override { form_.Show_all(); }
    qm::Form& form() override { return form_; }

    std::string text(const std::string& c) override { return view.text(c); }
    std::string selectedText(const std::string& c) override;
    bool checked(const std::string& c) override { return view.checked(c); }
    int entry(const std::string& c) override { return view.entry(c); }
    bool enabled(const std::string& c) override { return view.enabled(c); }
    bool shown(const std::string& c) override { return view.shown(c); }
    int page() override { return view.page(); }
    std::string focused() override { return view.focused(); }
    std::string status() override { return view.status(); }
    std::vector<std::string> boxes() override { return view.boxes; }

    FakeView view;
    qm::Form form_{view};
};

} // namespace qmtest
