// The layout of the main window, the one source every window builds itself
// from: each control under its layout name with its kind, parent, place,
// texts, tool-tip, list entries, start state, font, colours and buddy, in
// tab order; and the window's own facts. Plain data in standard C++, so the
// Qt window and a native one read the same numbers.
//
// Places and sizes are in the form's pixels at 96 DPI, relative to the
// client area of the parent. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace qm {

enum class ControlKind {
    Button,       // a push button with a caption and no picture
    Edit,         // a single-line edit
    PhoneEdit,    // a telephone box: an edit that lays its value into the phone mask
    DropDownList, // a list the user picks an entry from and cannot type into
    CheckBox,
    RadioButton, // one of a group: the radio buttons that share a parent
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
    std::string name; // the layout name, e.g. "Edit7"
    ControlKind kind = ControlKind::Label;
    std::string parent; // the window's, a page's or a group box's layout name
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
    std::string buddy; // a label's: the control its caption names

    // Characters; 0: the setting's own field says (the table of settings,
    // the serial label's field), or no limit.
    int maxLength = 0;
    bool captionLeft = false;    // a check box with its caption left of the box
    bool keepsSelection = false; // an edit that shows its selection when not focused
    bool clickAnywhere = false;  // a check box that toggles wherever it is clicked
    std::vector<int> panels;     // a status bar's panel widths
    // Meant to overlap the siblings that say so too: the banknote column's
    // boxes share their edge rows.
    bool overlaps = false;
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
    Colour background = Colour::ButtonFace;
    bool resizable = false;
    bool maximizable = false;
    bool minimizable = true;
};

// The window's own facts.
const WindowLayout& FormWindow();

// Every control of the window, each after its parent, in tab order: making
// them in this order gives each parent its children in tab order.
const std::vector<Control>& FormControls();

// The control of that layout name; null for any other name.
const Control* FindControl(const std::string& name);

// Whether a control of the kind is reached by Tab unless its entry says
// otherwise: the edits, lists, buttons, boxes and the page control are; the
// group boxes, labels, tab pages and the status line are not.
bool TabStopByDefault(ControlKind kind);

// Whether a control of the kind can take the keyboard focus at all, as a tab
// stop or by a click; with TabStopByDefault false, only where its entry makes
// it a tab stop.
bool TakesFocus(const Control& control);

} // namespace qm
