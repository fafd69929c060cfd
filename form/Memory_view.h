// A window without a screen: a view that keeps what the form tells it and
// shows nothing. The form runs over it where only what the window would do
// with a record is wanted.
#pragma once

#include "Layout.h"
#include "Settings.h"
#include "View.h"

#include <array>
#include <string>

namespace qm {

class MemoryView : public View {
public:
    std::string text(Id c) const override { return at(c).text; }
    // The caret goes to the end of the text, as in an edit.
    void setText(Id c, const std::string& text) override;
    bool checked(Id c) const override { return at(c).checked; }
    void setChecked(Id c, bool on) override { (*this)[c].checked = on; }
    int entry(Id c) const override { return at(c).entry; }
    void setEntry(Id c, int position) override { (*this)[c].entry = position; }
    bool enabled(Id c) const override { return at(c).enabled; }
    void setEnabled(Id c, bool on) override { (*this)[c].enabled = on; }
    bool shown(Id c) const override { return at(c).shown; }
    void setShown(Id c, bool on) override { (*this)[c].shown = on; }
    void setBackground(Id, Background) override {}
    int caret(Id c) const override { return at(c).caret; }
    void setCaret(Id c, int position) override { (*this)[c].caret = position; }
    // Nothing is selected where no user selects.
    Selection selection(Id) const override { return {}; }
    int page() const override { return page_; }
    void setPage(int page) override { page_ = page; }
    Id focused() const override { return focus_; }
    void setFocus(Id c, FocusWay) override { focus_ = c; }
    void setTabStop(Id, bool) override {}
    void repaint() override {}
    void showBox(BoxKind, const std::string&) noexcept override {}
    std::string runFileDialog(const FileDialogSetup&) override { return {}; }
    void close() override {}

private:
    struct Control {
        std::string text;
        bool checked = false;
        int entry = -1;
        bool enabled = true;
        bool shown = true;
        int caret = 0;
    };
    Control& operator[](Id c) { return controls_[static_cast<std::size_t>(c)]; }
    const Control& at(Id c) const { return controls_[static_cast<std::size_t>(c)]; }

    std::array<Control, kControlCount + 1> controls_{}; // and Id::None
    int page_ = 0;
    Id focus_ = Id::None;
};

// The record as the window holds it once it has shown it, right after it
// started with every box empty and nothing checked: Show_all over a window
// without a screen. Showing a value runs its control's change rule wherever
// the control changes, so texts become one line, numbers come into their
// bounds, telephones become what their boxes lay out, and switches and
// sensor pairs become 1 for any value but 0; lists and the currency show
// their entry without a rule.
Settings AsShown(const Settings& record);

} // namespace qm
