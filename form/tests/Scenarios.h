// The window's behaviour as data: scenarios of what a technician does and
// what the window then shows, run by one runner against any window through
// a driver. The same table runs against the form over a fake view, the Qt
// window driven by real key and mouse events, and the Windows window.
#pragma once

#include "Form.h"

#include <ostream>
#include <string>
#include <vector>

namespace qmtest {

// Whether a control can take the keyboard focus at all, as a tab stop or by
// a click: a kind reached by Tab unless its entry says otherwise, or one its
// entry makes a tab stop.
inline bool TakesFocus(const qm::Control& control) {
    return control.tabStop || qm::TabStopByDefault(control.kind);
}

// Keys a driver presses as the user does, with Shift and Ctrl held as named.
enum class Key {
    Tab,
    ShiftTab,
    CtrlTab,
    CtrlShiftTab,
    CtrlPageDown,
    CtrlPageUp,
    Left,
    Right,
    Up,
    Down,
    Space,
    Escape,
    Home,
    SelectAll, // Ctrl+A
    ShiftEnter,
    CtrlEnter,
    KeypadEnter,
};

// A control of the scenario tables by its layout name, and back ("(none)"
// for no control); an unknown name is the table's mistake.
qm::Id IdOf(const std::string& name);
std::string NameOf(qm::Id control);

// What a driver does to its window, as a user would, and what it reads back.
// Controls are named by their layout names. Texts are UTF-8.
class ScenarioDriver {
public:
    virtual ~ScenarioDriver() = default;
    // A mouse click on a button, check box or radio button.
    virtual void click(const std::string& control) = 0;
    // Focuses the edit, selects its whole text and types text over it key by
    // key ("" deletes it).
    virtual void retype(const std::string& control, const std::string& text) = 0;
    // Types text key by key at the focused edit's caret.
    virtual void typeKeys(const std::string& text) = 0;
    // Pastes text from the clipboard into the focused edit (Ctrl+V).
    virtual void paste(const std::string& text) = 0;
    // Enter in the control that has the focus.
    virtual void pressEnter() = 0;
    // The key in the control that has the focus, as the keyboard sends it.
    virtual void pressKey(Key key) = 0;
    virtual void pickTab(int page) = 0;
    // Focuses the list and picks the entry with the keyboard.
    virtual void pickEntry(const std::string& control, int entry) = 0;
    virtual void focus(const std::string& control) = 0;
    // The path (empty: cancel) the next file dialog answers with.
    virtual void answerFileDialog(const std::string& path) = 0;
    // The program fills the form from the record (Show_all).
    virtual void showAll() = 0;
    // The form behind the window, its record and modified flag.
    virtual qm::Form& form() = 0;

    virtual std::string text(const std::string& control) = 0;
    virtual std::string selectedText(const std::string& control) = 0;
    virtual bool checked(const std::string& control) = 0;
    virtual int entry(const std::string& control) = 0;
    virtual bool enabled(const std::string& control) = 0;
    virtual bool shown(const std::string& control) = 0; // its own visibility
    virtual int page() = 0;
    virtual std::string focused() = 0;
    virtual std::string status() = 0;
    // The texts of the message boxes shown so far.
    virtual std::vector<std::string> boxes() = 0;
};

enum class Act {
    // The user, through the driver.
    Click,
    Retype,
    TypeKeys,
    Paste,
    Enter,
    Press, // number: the Key
    Tab,
    Pick,
    Focus,
    Save,
    Load, // a file command; control: its button, text: the file name
    // The program or the record behind the form.
    ShowAll,
    SetValue,
    SetModified,
    SetField, // text setting n (0: the serial label) holds these bytes
    BlankSerial,
    // Checks.
    Text,
    Selected,
    Checked,
    Entry,
    Enabled,
    Shown,
    Page,
    Focused,
    Status,
    Value,
    Field,
    Label,
    Modified,
    LastBox,
    BoxCount,
    FileIs,
};

// One step. In texts, "%P" stands for the path of the last file command and
// "%T" for the temporary file.
struct Step {
    Act act;
    std::string control;
    std::string text;
    long long number = 0;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

// Test names print a scenario by its name.
inline void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

const std::vector<Scenario>& Scenarios();

// The reports the form took in each step, one line each.
using ReportStream = std::vector<std::vector<std::string>>;

// Runs the scenario's steps in a folder of its own, with the user's
// temporary directory pointed into it; failed checks fail the running test.
// Returns what the form was told in each step.
ReportStream RunScenario(ScenarioDriver& driver, const Scenario& scenario);

// Runs the scenario through the driver's window and checks it, and that the
// form took the same reports in each step as over the fake view (the
// reference): no report doubled, missing or changed.
void RunScenarioAgainstFake(ScenarioDriver& driver, const Scenario& scenario);

} // namespace qmtest
