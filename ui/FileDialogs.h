// The two file dialogs of the window: OpenDialog1 and SaveDialog1.
#pragma once

#include "View.h"

#include <QString>

#include <functional>

class QWidget;

namespace qm {

// Runs the dialog modally with its name, filter, initial name and default
// extension. Returns the chosen full path, or an empty text when cancelled.
QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup);

// While a hook is set, RunFileDialog returns what the hook returns and
// shows nothing. Returns the hook set before.
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

} // namespace qm
