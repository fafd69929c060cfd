// The Qt window made from the form's layout (Layout.h).
#pragma once

class QWidget;

namespace qm {

// Makes every control of the layout inside form, each named by its layout
// name, of the widget class that gives it its behaviour here (the telephone,
// radio, list and banknote boxes and the price edits have their own), with
// its place, texts, tool-tip, entries, start state, font, colours and buddy,
// in the layout's tab order; then gives form the window's title, frame, size
// and place. The status line's panels are StatusPanel0 to StatusPanel2.
void BuildForm(QWidget& form);

} // namespace qm
