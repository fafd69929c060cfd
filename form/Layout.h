// The layout of the main window, the one table every window builds itself
// from: each control under its layout name with its kind, parent, place,
// texts, tool-tip, list entries, start state, font, colours, buddy and the
// setting it shows, in tab order; and the window's own facts. What the form
// and the windows need beyond the table (the settings controls, the Enter
// chains, length limits, captions) is derived from it here. Plain data in
// standard C++, so the Qt window and a native one read the same numbers.
//
// Places and sizes are in the form's pixels at 96 DPI, relative to the
// client area of the parent. Texts are UTF-8.
#pragma once

#include "Setting_rules.h"

#include <string>
#include <vector>

namespace qm {

// Every control of the window by its layout name, in the table's order.
// clang-format off
#define QM_LAYOUT_CONTROLS(X)                                                                     \
    X(BitBtn2) X(BitBtn3) X(BitBtn11) X(BitBtn8) X(BitBtn1) X(BitBtn12) X(PageControl1)           \
    X(TabSheet1) X(Label42) X(Edit21) X(Label11) X(Edit7) X(Label22) X(Edit12) X(Label18)         \
    X(Edit10) X(Label10) X(Edit3) X(Label14) X(Edit8) X(Label7) X(Edit5) X(TabSheet2) X(Label43)  \
    X(Label32) X(ComboBox35) X(Label2) X(CheckBox1) X(CheckBox2) X(CheckBox3) X(CheckBox4)        \
    X(CheckBox5) X(CheckBox6) X(Label1) X(Label40) X(Label41) X(Edit24) X(Edit30) X(Edit25)       \
    X(Edit1) X(Edit2) X(Edit4) X(Edit6) X(Edit9) X(Edit11) X(Edit13) X(Edit14) X(Edit15)          \
    X(Edit16) X(Edit17) X(Edit18) X(Edit19) X(Edit20) X(Edit34) X(Edit22) X(Edit23) X(TabSheet3)  \
    X(Label45) X(GroupBox1) X(CheckBox7) X(Label54) X(MaskEdit1) X(GroupBox3) X(CheckBox13)       \
    X(Label33) X(Edit59) X(Label44) X(GroupBox2) X(CheckBox8) X(Label96) X(MaskEdit3) X(Label49)  \
    X(Label50) X(Label98) X(Edit54) X(Label99) X(Edit55) X(Label4) X(Edit41) X(Label101)          \
    X(Edit57) X(Label26) X(Edit58) X(Label103) X(Label34) X(Edit28) X(Label35) X(Edit29)          \
    X(Label36) X(Edit31) X(Label37) X(Edit32) X(Label38) X(Edit33) X(Label39) X(TabSheet4)        \
    X(Label46) X(GroupBox4) X(RadioButton1) X(RadioButton2) X(GroupBox5) X(RadioButton3)          \
    X(RadioButton4) X(Label3) X(ComboBox1) X(Label5) X(Edit26) X(Label48) X(Label27) X(Edit27)    \
    X(Label47) X(StatusBar1)
// clang-format on

// A control named in code: a misspelt name does not compile. None stands for
// no control: the window itself as a parent, no focus, no buddy.
enum class Id {
#define QM_ID(name) name,
    QM_LAYOUT_CONTROLS(QM_ID)
#undef QM_ID
        None
};
constexpr int kControlCount = static_cast<int>(Id::None);

// The setting number of the serial label, which the serial entry shows and
// a store writes as SET99.
constexpr int kSerialLabel = 99;

enum class ControlKind {
    Button,       // a push button with a caption and no picture
    Edit,         // a single-line edit
    PhoneEdit,    // a telephone box: an edit that shows its value in the phone mask
    DropDownList, // a list the user picks an entry from and cannot type into
    CheckBox,
    RadioButton, // one of a pair: the radio buttons that share a parent
    GroupBox,    // a frame with a title, the parent of the controls inside it
    Label,       // a caption whose size follows its text
    PageControl, // the tab pages' holder
    TabPage,     // one page of the page control; its text is the tab's caption
    StatusBar,   // the status line; `panels` are its panels' widths, left to right
};

enum class Colour {
    Inherit,    // the parent's
    WindowText, // the system's text colour
    Window,     // the system's colour of edit fields
    Light3D,    // the system's colour of the lit edges of 3D elements
    ButtonFace, // the system's colour of buttons and dialogs
    Maroon,     // fixed: red 0x80, green 0, blue 0
};

struct Font {
    std::string face; // empty: the window's font, as a whole
    int pixelHeight = 0;
    bool bold = false;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Control {
    Id id = Id::None;
    std::string name; // the layout name, e.g. "Edit7"
    ControlKind kind = ControlKind::Label;
    Id parent = Id::None; // a page or a group box; None: the window
    // A label's size is the one first laid out, which a window fits to the
    // label's text in the font at hand; a tab page fills its page control's
    // display area and has no place of its own.
    Rect place;
    std::string text; // caption or start text; a tab page's tab caption
    std::string toolTip;
    std::vector<std::string> entries; // a list's entries, in order
    int entry = -1;                   // the list entry shown at start; -1 none

    bool enabled = true;
    bool shown = true;
    bool checked = false;
    // Reached by Tab (TabStopByDefault unless the entry says otherwise). A
    // control of a kind that takes the focus still takes it by a click when
    // it is no tab stop.
    bool tabStop = false;

    Font font; // empty face: the window's
    Colour textColour = Colour::Inherit;
    Colour background = Colour::Inherit;
    Id buddy = Id::None; // a label's: the control its caption names

    // The setting the control shows (its SET number; kSerialLabel for the
    // serial entry; 0 for none) and, of a banknote box, its bit of SET28, of
    // a sensor button, the value it stands for.
    int setting = 0;
    int part = 0;
    // The name the setting goes by where no label of the window gives one.
    std::string caption;

    bool captionLeft = false;    // a check box with its caption left of the box
    bool keepsSelection = false; // an edit that shows its selection when not focused
    bool clickAnywhere = false;  // a check box that toggles wherever it is clicked
    std::vector<int> panels;     // a status bar's panel widths
};

struct WindowLayout {
    std::string name;  // "Form1", the parent of the top-level controls
    std::string title; // the caption of the window's frame
    int clientWidth = 0;
    int clientHeight = 0;
    int left = 0; // the outer frame's place on the screen
    int top = 0;
    Font font; // every control's unless it has its own
    Colour textColour = Colour::WindowText;
    // A single border, minimise and close only: the window is never resized.
};

// The window's own facts.
const WindowLayout& FormWindow();

// Every control of the window, each after its parent, in tab order: making
// them in this order gives each parent its children in tab order.
const std::vector<Control>& FormControls();

// The entry of a control.
const Control& Layout(Id control);

// Whether a control of the kind is reached by Tab unless its entry says
// otherwise: the edits, lists, buttons, boxes and the page control are; the
// group boxes, labels, tab pages and the status line are not.
bool TabStopByDefault(ControlKind kind);

// The page (0..3) a control stands on, through its group box; -1 for the
// window's own controls (the command buttons, the tab strip).
int PageOf(Id control);

// The rule of the setting a settings control shows; null for every other
// control, the serial entry among them.
const SettingRule* RuleOf(const Control& control);

// The most characters a text box keeps: what its setting's field holds (the
// serial label's for the serial entry); 0 for a box without such a limit.
int LengthLimit(const Control& control);

// The name the setting of a settings control goes by: its label's text, its
// group's title (a check box's with its own caption), or the entry's caption.
std::string CaptionOf(const Control& control);

// What a screen reader says for a box (an edit or a list) that no label of
// its own names: its caption. Empty for every other control.
std::string AccessibleName(const Control& control);

// The caption of a setting: what its first control is called; "" for a
// setting without a control.
const std::string& SettingCaption(int setting);

struct Point {
    int x = 0;
    int y = 0;
};

// Where the window's outer frame, of that size, goes on a work area: at its
// laid-out place, moved in as far as the whole of it then shows.
Point PlaceOnScreen(int frameWidth, int frameHeight, const Rect& workArea);

} // namespace qm
