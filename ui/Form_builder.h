// The Qt window made from the form's layout (Layout.h).
#pragma once

#include "Layout.h"

#include <array>

class QLabel;
class QWidget;

namespace qm {

// The window's widgets by their controls.
using Widgets = std::array<QWidget*, kControlCount>;

// Makes every control of the layout inside form, each named by its layout
// name, of the widget class that gives it its behaviour here (the telephone,
// list and banknote boxes and the price edits have their own), with its
// place, texts, tool-tip, entries, start state, font, colours, buddy and the
// name a screen reader says, in the layout's tab order; then gives form the
// window's title, frame, size and place. The status line's panels are
// StatusPanel0 to StatusPanel2; *status is the second, which holds the text.
Widgets BuildForm(QWidget& form, QLabel** status);

} // namespace qm
