// The two file dialogs of the window: OpenDialog1 and SaveDialog1.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace qm {

enum class FileDialogKind {
    Open, // OpenDialog1: choose a settings file to read
    Save  // SaveDialog1: choose where to write the settings
};

// Runs the dialog modally with "set.ini" as the initial name and "ini" as
// the default extension. The save dialog overwrites without a question.
// Returns the chosen full path, or an empty text when cancelled.
QString RunFileDialog(QWidget* parent, FileDialogKind kind);

// While a hook is set, RunFileDialog returns what the hook returns and
// shows nothing. Returns the hook set before.
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

} // namespace qm
