#include "Fake_view.h"

#include "Bindings.h"
#include "Layout.h"
#include "Phone_box.h"

#include <stdexcept>

namespace qmtest {

namespace {

bool isPhone(std::string_view control) {
    return control == "MaskEdit1" || control == "MaskEdit3";
}

int characters(const std::string& utf8) {
    int n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

FakeView::FakeView() {
    for (const qm::Binding& b : qm::Bindings())
        controls_[b.control].enabled = false;
    for (const char* c : {"BitBtn3", "BitBtn8", "Edit21"})
        controls_[c].enabled = false;
    controls_["Edit21"].shown = false;
    for (const char* c : {"Label42", "Label43", "Label45", "Label46"})
        controls_[c].text = "QM . . . . .";
}

FakeControl& FakeView::operator[](std::string_view control) {
    auto found = controls_.find(control);
    if (found == controls_.end())
        found = controls_.emplace(std::string(control), FakeControl{}).first;
    return found->second;
}

const FakeControl& FakeView::at(std::string_view control) const {
    static const FakeControl none;
    const auto found = controls_.find(control);
    return found == controls_.end() ? none : found->second;
}

void FakeView::setText(std::string_view c, const std::string& t) {
    FakeControl& control = (*this)[c];
    control.text = t;
    control.selection = {};
    control.caret = characters(t);
}

void FakeView::setEnabled(std::string_view c, bool on) {
    (*this)[c].enabled = on;
    if (!on && focus_ == c)
        focus_ = "BitBtn12"; // the toolkit hands the focus on
}

void FakeView::setCaret(std::string_view c, int p) {
    (*this)[c].caret = p;
    (*this)[c].selection = {};
}

void FakeView::setFocus(std::string_view c, qm::FocusWay way) {
    if (!at(c).enabled || !at(c).shown)
        return;
    focus_ = std::string(c);
    FakeControl& control = (*this)[c];
    if (way == qm::FocusWay::Step)
        control.selection = {0, characters(control.text)};
}

void FakeView::showBox(qm::BoxKind kind, const std::string& t) noexcept {
    boxes.push_back(t);
    boxKinds.push_back(kind);
}

std::string FakeView::runFileDialog(const qm::FileDialogSetup& dialog) {
    dialogs.push_back(&dialog);
    return nextPath;
}

FakeDriver::FakeDriver() = default;

void FakeDriver::click(const std::string& c) {
    if (!view.enabled(c))
        return;
    view.setFocus(c, qm::FocusWay::Back);
    const qm::Binding* b = qm::FindBinding(c);
    if (isPhone(c)) {
        form_.clicked(c);
    } else if (b && b->kind == qm::BindingKind::Radio) {
        if (!view.checked(c)) {
            view[c].checked = true;
            form_.toggled(c, true);
        }
    } else if (b) {
        view[c].checked = !view.checked(c);
        form_.toggled(c, view.checked(c));
    } else {
        form_.clicked(c);
    }
}

void FakeDriver::retype(const std::string& c, const std::string& text) {
    focus(c);
    if (view.focused() != c)
        throw std::logic_error("no focus for " + c);
    view[c].selection = {0, characters(view.text(c))};
    if (isPhone(c)) {
        if (text.empty())
            form_.phoneKey(c, qm::PhoneKey::Delete);
        for (const char ch : text)
            form_.phoneTyped(c, static_cast<unsigned char>(ch));
        return;
    }
    view[c].text = text;
    view[c].caret = characters(text);
    view[c].selection = {};
    form_.typed(c, text);
}

void FakeDriver::typeKeys(const std::string& text) {
    const std::string c = view.focused();
    if (isPhone(c)) {
        for (const char ch : text)
            form_.phoneTyped(c, static_cast<unsigned char>(ch));
        return;
    }
    // ASCII keys at the caret, one report each.
    for (const char ch : text) {
        FakeControl& control = view[c];
        control.text.insert(static_cast<std::size_t>(control.caret), 1, ch);
        ++control.caret;
        form_.typed(c, control.text);
    }
}

std::string FakeDriver::selectedText(const std::string& c) {
    // The selection counts characters; the text is UTF-8.
    const std::string& t = view.text(c);
    const qm::Selection sel = view.selection(c);
    std::string out;
    int k = -1;
    for (const char ch : t) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++k;
        if (k >= sel.start && k < sel.start + sel.length)
            out += ch;
    }
    return out;
}

void FakeDriver::pickTab(int page) {
    if (view.page() == page)
        return;
    view.setPage(page);
    form_.pageChanged(page);
}

void FakeDriver::pressKey(Key key) {
    switch (key) {
    case Key::CtrlTab:
    case Key::CtrlPageDown:
        form_.pageTurned(qm::PageTurn::Next);
        return;
    case Key::CtrlShiftTab:
    case Key::CtrlPageUp:
        form_.pageTurned(qm::PageTurn::Previous);
        return;
    case Key::Left:
    case Key::Right: {
        // The tab strip turns to the page beside, no further than the ends.
        const int to = view.page() + (key == Key::Right ? 1 : -1);
        if (view.focused() == "PageControl1" && to >= 0 && to < 4)
            pickTab(to);
        return;
    }
    case Key::Tab:
    case Key::ShiftTab: {
        std::vector<std::string> stops;
        for (const qm::Control& c : qm::FormControls()) {
            const int page = qm::PageOf(c.name);
            if (c.tabStop && qm::TakesFocus(c) && view.enabled(c.name) && view.shown(c.name) &&
                (page < 0 || page == view.page()))
                stops.push_back(c.name);
        }
        const auto n = static_cast<int>(stops.size());
        int at = -1;
        for (int i = 0; i < n; ++i)
            if (stops[static_cast<std::size_t>(i)] == view.focused())
                at = i;
        const int next = key == Key::Tab ? (at + 1) % n : (at <= 0 ? n - 1 : at - 1);
        view.setFocus(stops[static_cast<std::size_t>(next)], qm::FocusWay::Step);
        return;
    }
    }
}

void FakeDriver::pickEntry(const std::string& c, int entry) {
    focus(c);
    if (!view.enabled(c) || view.entry(c) == entry)
        return;
    view.setEntry(c, entry);
    form_.picked(c, entry);
}

} // namespace qmtest
