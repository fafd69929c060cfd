// A view that only remembers what the form shows, as a window's controls
// would, and a driver that acts on it as a user would: each user action
// changes the control and reports it to the form; nothing the form itself
// sets is reported back. A toolkit that notifies nothing on program changes
// (the Win32 controls) looks just so to the form.
#pragma once

#include "Form.h"
#include "Scenarios.h"
#include "View.h"

#include <array>
#include <string>
#include <vector>

namespace qmtest {

struct FakeControl {
    std::string text;
    bool checked = false;
    int entry = -1;
    bool enabled = true;
    bool shown = true;
    bool tabStop = false;
    qm::Background background = qm::Background::Working;
    int caret = 0;
    qm::Selection selection;
};

class FakeView : public qm::View {
public:
    // The start states the layout gives.
    FakeView();

    FakeControl& operator[](qm::Id control) { return controls_[index(control)]; }
    const FakeControl& at(qm::Id control) const { return controls_[index(control)]; }

    std::string text(qm::Id c) const override { return at(c).text; }
    void setText(qm::Id c, const std::string& t) override;
    bool checked(qm::Id c) const override { return at(c).checked; }
    void setChecked(qm::Id c, bool on) override { (*this)[c].checked = on; }
    int entry(qm::Id c) const override { return at(c).entry; }
    void setEntry(qm::Id c, int e) override { (*this)[c].entry = e; }
    bool enabled(qm::Id c) const override { return at(c).enabled; }
    void setEnabled(qm::Id c, bool on) override;
    bool shown(qm::Id c) const override { return at(c).shown; }
    void setShown(qm::Id c, bool on) override { (*this)[c].shown = on; }
    void setBackground(qm::Id c, qm::Background b) override { (*this)[c].background = b; }
    int caret(qm::Id c) const override { return at(c).caret; }
    void setCaret(qm::Id c, int p) override;
    qm::Selection selection(qm::Id c) const override { return at(c).selection; }
    int page() const override { return page_; }
    void setPage(int p) override { page_ = p; }
    qm::Id focused() const override { return focus_; }
    void setFocus(qm::Id c, qm::FocusWay way) override;
    void setTabStop(qm::Id c, bool on) override { (*this)[c].tabStop = on; }
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
    static std::size_t index(qm::Id c) { return static_cast<std::size_t>(c); }

    std::array<FakeControl, qm::kControlCount> controls_;
    int page_ = 0;
    qm::Id focus_ = qm::Id::None;
};

class FakeDriver : public ScenarioDriver {
public:
    FakeDriver();

    void click(const std::string& control) override;
    void retype(const std::string& control, const std::string& text) override;
    void typeKeys(const std::string& text) override;
    void paste(const std::string& text) override;
    void pressEnter() override { form_.enterPressed(view.focused()); }
    // As a toolkit's window does: Enter and the page keys to the form, Tab
    // along the tab stops of the page shown, the arrows on the tab strip and
    // in a radio button, Space on a button or box.
    void pressKey(Key key) override;
    void pickTab(int page) override;
    void pickEntry(const std::string& control, int entry) override;
    void focus(const std::string& control) override;
    void answerFileDialog(const std::string& path) override { view.nextPath = path; }
    void showAll() override { form_.Show_all(); }
    qm::Form& form() override { return form_; }

    std::string text(const std::string& c) override { return view.text(IdOf(c)); }
    std::string selectedText(const std::string& c) override;
    bool checked(const std::string& c) override { return view.checked(IdOf(c)); }
    int entry(const std::string& c) override { return view.entry(IdOf(c)); }
    bool enabled(const std::string& c) override { return view.enabled(IdOf(c)); }
    bool shown(const std::string& c) override { return view.shown(IdOf(c)); }
    int page() override { return view.page(); }
    std::string focused() override { return NameOf(view.focused()); }
    std::string status() override { return view.text(qm::Id::StatusBar1); }
    std::vector<std::string> boxes() override { return view.boxes; }

    FakeView view;
    qm::Form form_{view};

private:
    // Characters that come into the focused plain edit at its caret, over
    // its selection, as one change.
    void insert(const std::string& characters);
    void pressDelete();
    void tab(bool back);
};

} // namespace qmtest
