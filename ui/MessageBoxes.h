// The window's modal boxes: messages with an OK button and the standard
// error box for exceptions that escape a handler.
#pragma once

#include "View.h"

#include <QString>

#include <functional>

class QWidget;

namespace qm {

// The application's title, the caption of every box.
QString AppTitle();

// Shows a modal box with an OK button and returns when it is closed.
void ShowBox(QWidget* parent, BoxKind kind, const QString& text);

// While a hook is set, ShowBox hands every box to it instead of showing it.
// Returns the hook set before.
using BoxHook = std::function<void(BoxKind kind, const QString& caption, const QString& text)>;
BoxHook SetBoxHook(BoxHook hook);

} // namespace qm
