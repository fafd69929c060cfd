#include "Fake_view.h"

#include "Layout.h"
#include "Phone_box.h"

#include <algorithm>
#include <stdexcept>

namespace qmtest {

namespace {

using qm::ControlKind;

int characters(const std::string& utf8) {
    int n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The byte offset of character k of a UTF-8 text.
std::size_t offsetOf(const std::string& utf8, int k) {
    std::size_t i = 0;
    for (int seen = 0; i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == k)
            break;
    return i;
}

char32_t codePoint(const std::string& utf8) {
    const auto lead = static_cast<unsigned char>(utf8[0]);
    char32_t c = utf8.size() == 1 ? lead : lead & (0x3F >> (utf8.size() - 1));
    for (std::size_t i = 1; i < utf8.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    return c;
}

ControlKind kindOf(qm::Id control) {
    return control == qm::Id::None ? ControlKind::Label : qm::Layout(control).kind;
}

} // namespace

FakeView::FakeView() {
    for (const qm::Control& c : qm::FormControls()) {
        FakeControl& f = (*this)[c.id];
        f.text = c.text;
        f.checked = c.checked;
        f.entry = c.entry;
        f.enabled = c.enabled;
        f.shown = c.shown;
        f.tabStop = c.tabStop;
        f.background =
            c.background == qm::Colour::Light3D ? qm::Background::Start : qm::Background::Working;
    }
}

void FakeView::setText(qm::Id c, const std::string& t) {
    FakeControl& control = (*this)[c];
    control.text = t;
    control.selection = {};
    control.caret = characters(t);
}

void FakeView::setEnabled(qm::Id c, bool on) {
    (*this)[c].enabled = on;
    if (!on && focus_ == c)
        focus_ = qm::Id::BitBtn12; // the toolkit hands the focus on
}

void FakeView::setCaret(qm::Id c, int p) {
    (*this)[c].caret = p;
    (*this)[c].selection = {};
}

void FakeView::setFocus(qm::Id c, qm::FocusWay way) {
    if (!at(c).enabled || !at(c).shown)
        return;
    focus_ = c;
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

void FakeDriver::focus(const std::string& control) {
    view.setFocus(IdOf(control), qm::FocusWay::Back);
}

void FakeDriver::click(const std::string& name) {
    const qm::Id c = IdOf(name);
    if (!view.enabled(c))
        return;
    view.setFocus(c, qm::FocusWay::Back);
    switch (kindOf(c)) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        // A click flips the box; the form keeps a sensor pair whole.
        view[c].checked = !view.checked(c);
        form_.toggled(c, view.checked(c));
        break;
    case ControlKind::Button:
    case ControlKind::PhoneEdit:
        form_.clicked(c);
        break;
    default:
        break;
    }
}

void FakeDriver::retype(const std::string& name, const std::string& text) {
    const qm::Id c = IdOf(name);
    focus(name);
    if (view.focused() != c)
        throw std::logic_error("no focus for " + name);
    view[c].selection = {0, characters(view.text(c))};
    if (text.empty())
        pressDelete();
    else
        typeKeys(text);
}

void FakeDriver::pressDelete() {
    const qm::Id c = view.focused();
    if (kindOf(c) == ControlKind::PhoneEdit) {
        form_.phoneKey(c, qm::PhoneKey::Delete);
        return;
    }
    FakeControl& control = view[c];
    qm::Selection cut = control.selection;
    if (cut.length == 0)
        cut = {control.caret, control.caret < characters(control.text) ? 1 : 0};
    if (cut.length == 0)
        return; // nothing to delete: no change, no report
    const std::size_t from = offsetOf(control.text, cut.start);
    control.text.erase(from, offsetOf(control.text, cut.start + cut.length) - from);
    control.caret = cut.start;
    control.selection = {};
    form_.typed(c);
}

void FakeDriver::typeKeys(const std::string& text) {
    const qm::Id c = view.focused();
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        if (kindOf(c) == ControlKind::PhoneEdit)
            form_.phoneTyped(c, codePoint(text.substr(i, n)));
        else
            insert(text.substr(i, n));
        i += n;
    }
}

void FakeDriver::paste(const std::string& text) {
    const qm::Id c = view.focused();
    if (kindOf(c) == ControlKind::PhoneEdit)
        form_.pasted(c, text);
    else if (!text.empty())
        insert(text);
}

void FakeDriver::insert(const std::string& characters) {
    // What comes in replaces the selection at the caret; one report.
    const qm::Id c = view.focused();
    FakeControl& control = view[c];
    const qm::Selection sel = control.selection;
    const int at = sel.length > 0 ? sel.start : control.caret;
    const std::size_t from = offsetOf(control.text, at);
    control.text.replace(from, offsetOf(control.text, at + sel.length) - from, characters);
    control.caret = at + qmtest::characters(characters);
    control.selection = {};
    form_.typed(c);
}

std::string FakeDriver::selectedText(const std::string& name) {
    const qm::Id c = IdOf(name);
    const std::string& t = view.text(c);
    const qm::Selection sel = view.selection(c);
    const std::size_t from = offsetOf(t, sel.start);
    return t.substr(from, offsetOf(t, sel.start + sel.length) - from);
}

void FakeDriver::pickTab(int page) {
    if (view.page() == page)
        return;
    view.setPage(page);
    form_.pageChanged(page);
}

void FakeDriver::tab(bool back) {
    // The window's tab stops, then those of the page shown, round.
    std::vector<qm::Id> stops;
    for (const qm::Control& c : qm::FormControls()) {
        const int page = qm::PageOf(c.id);
        if (view.at(c.id).tabStop && TakesFocus(c) && view.enabled(c.id) && view.shown(c.id) &&
            (page < 0 || page == view.page()))
            stops.push_back(c.id);
    }
    const auto n = static_cast<int>(stops.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (stops[static_cast<std::size_t>(i)] == view.focused())
            at = i;
    const int next = back ? (at <= 0 ? n - 1 : at - 1) : (at + 1) % n;
    view.setFocus(stops[static_cast<std::size_t>(next)], qm::FocusWay::Step);
}

void FakeDriver::pressKey(Key key) {
    const qm::Id at = view.focused();
    switch (key) {
    case Key::CtrlTab:
    case Key::CtrlPageDown:
        form_.pageTurned(qm::PageTurn::Next);
        return;
    case Key::CtrlShiftTab:
    case Key::CtrlPageUp:
        form_.pageTurned(qm::PageTurn::Previous);
        return;
    case Key::ShiftEnter:
    case Key::CtrlEnter:
    case Key::KeypadEnter:
        pressEnter();
        return;
    case Key::Home:
        view[at].caret = 0;
        view[at].selection = {};
        return;
    case Key::SelectAll:
        view[at].selection = {0, characters(view.text(at))};
        return;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
        if (kindOf(at) == ControlKind::RadioButton) {
            form_.arrowPressed(at);
            return;
        }
        if (kindOf(at) == ControlKind::Edit || kindOf(at) == ControlKind::PhoneEdit) {
            // The caret steps within the text; up and down keep it.
            FakeControl& edit = view[at];
            const int by = key == Key::Left ? -1 : key == Key::Right ? 1 : 0;
            edit.caret = std::max(0, std::min(edit.caret + by, characters(edit.text)));
            edit.selection = {};
            return;
        }
        // The tab strip turns to the page beside, no further than the ends.
        const int to = view.page() + (key == Key::Right ? 1 : -1);
        if (at == qm::Id::PageControl1 && (key == Key::Left || key == Key::Right) && to >= 0 &&
            to < 4)
            pickTab(to);
        return;
    }
    case Key::Escape:
        return; // a window without a cancel button: nothing
    case Key::Space:
        if (kindOf(at) == ControlKind::Button || kindOf(at) == ControlKind::CheckBox ||
            kindOf(at) == ControlKind::RadioButton)
            click(NameOf(at));
        return;
    case Key::Tab:
    case Key::ShiftTab:
        tab(key == Key::ShiftTab);
        return;
    }
}

void FakeDriver::pickEntry(const std::string& name, int entry) {
    // With the arrow keys, one entry a key, each reported.
    const qm::Id c = IdOf(name);
    focus(name);
    for (int step = 0; step < 8 && view.enabled(c) && view.entry(c) != entry; ++step) {
        view.setEntry(c, view.entry(c) + (view.entry(c) < entry ? 1 : -1));
        form_.picked(c, view.entry(c));
    }
}

} // namespace qmtest
