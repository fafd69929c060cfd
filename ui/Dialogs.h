// The window's modal dialogs: the message boxes with an OK button (also the
// standard error box for exceptions that escape a handler) and the two file
// dialogs, OpenDialog1 and SaveDialog1.
#pragma once

#include "View.h"

#include <QString>

#include <functional>

class QWidget;

namespace qm {

// Shows a modal box with an OK button, captioned with the program's title,
// and returns when it is closed.
void ShowBox(QWidget* parent, BoxKind kind, const QString& text);

// Runs the dialog modally with its name, filter, initial name and default
// extension. Returns the chosen full path, or an empty text when cancelled.
QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup);

// While a hook is set, ShowBox and RunFileDialog hand their dialog to it
// instead of showing it (RunFileDialog returns what the hook returns).
// Each returns the hook set before.
using BoxHook = std::function<void(BoxKind kind, const QString& caption, const QString& text)>;
BoxHook SetBoxHook(BoxHook hook);
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

} // namespace qm
