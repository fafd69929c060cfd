// What the form asks of a window: a passive view over its controls.
//
// A window implements this over its own widgets, each control named by its
// identifier in the layout (Layout.h). It only shows what it is told and
// reports what the user did (Form.h); it runs no rule of its own. What the
// toolkit notifies while the form sets a control, the form knows for its
// own doing. Texts are UTF-8; positions (caret, selection) count characters.
#pragma once

#include "Layout.h"

#include <string>

namespace qm {

// The two looks of a settings box: before any settings are shown (the 3D
// light colour) and once they are (the window colour).
enum class Background { Start, Working };

// How a control gets the focus: stepped to as the keyboard moves it (an
// edit reached so has its whole text selected), or given back after a
// command, as it was.
enum class FocusWay { Step, Back };

enum class BoxKind {
    Message, // a message of the program, followed by a path
    Error    // an error that escaped a handler or start-up
};

enum class FileDialogKind {
    Open, // OpenDialog1: choose a settings file to read
    Save  // SaveDialog1: choose where to write the settings
};

// A file dialog as the form runs it; the texts are the window's own.
struct FileDialogSetup {
    FileDialogKind kind;
    const char* name;       // OpenDialog1 or SaveDialog1
    const char* filter;     // "Файлы инициализации (*.ini)"
    const char* fileName;   // the initial name
    const char* defaultExt; // added to a name given without one
    bool confirmOverwrite;  // ask before replacing an existing file
};

struct Selection {
    int start = 0;
    int length = 0; // 0: none
};

class View {
public:
    virtual ~View() = default;

    // An edit's or a phone box's text as shown (a phone box with its
    // brackets, dashes and "_" in unfilled places); a label's or a check
    // box's caption; of StatusBar1, its second panel's, the only one that
    // ever holds text.
    virtual std::string text(Id control) const = 0;
    virtual void setText(Id control, const std::string& text) = 0;

    // A check box's or a radio button's state. Switching one radio button on
    // switches nothing else: the form keeps the pair.
    virtual bool checked(Id control) const = 0;
    virtual void setChecked(Id control, bool on) = 0;

    // The entry a list shows: its position, -1 for none.
    virtual int entry(Id control) const = 0;
    virtual void setEntry(Id control, int position) = 0;

    virtual bool enabled(Id control) const = 0;
    virtual void setEnabled(Id control, bool on) = 0;
    // The control's own visibility, whichever page shows.
    virtual bool shown(Id control) const = 0;
    virtual void setShown(Id control, bool on) = 0;
    virtual void setBackground(Id control, Background look) = 0;

    // An edit's caret and selection.
    virtual int caret(Id control) const = 0;
    virtual void setCaret(Id control, int position) = 0;
    virtual Selection selection(Id control) const = 0;

    // The active page of PageControl1, 0..3.
    virtual int page() const = 0;
    virtual void setPage(int page) = 0;

    // The control with the focus; None for none.
    virtual Id focused() const = 0;
    virtual void setFocus(Id control, FocusWay way) = 0;
    // Whether Tab stops at the control (the selected button of a sensor pair).
    virtual void setTabStop(Id control, bool on) = 0;

    // Repaints the whole window at once.
    virtual void repaint() = 0;

    // A modal box with an OK button, captioned with the program's title;
    // returns when it is closed. Must not throw.
    virtual void showBox(BoxKind kind, const std::string& text) noexcept = 0;
    // Runs the dialog modally; the chosen full path in the platform's own
    // notation, or an empty text when cancelled.
    virtual std::string runFileDialog(const FileDialogSetup& dialog) = 0;

    // Closes the window, which ends the program.
    virtual void close() = 0;
};

} // namespace qm
