// The layout's fonts and colours in the toolkit's terms, label sizes that
// follow their texts, the fixed frame and the colours that tell the start-up
// look from the working look.
#pragma once

#include "Layout.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QTabWidget;
class QWidget;

namespace qm {

// A font of the layout ("MS Sans Serif" or "Courier New" at a pixel height).
// Where the face is not installed, the nearest sans-serif or monospaced face
// with Cyrillic stands in at the same pixel height.
QFont ToolkitFont(const Font& font);

// A colour of the layout as this window shows it; the form's palette gives
// the system colours.
QColor ToolkitColour(Colour colour, const QWidget& form);

// Every label of the window (the status panels aside) takes its text's size;
// those of a tab page when the page is first shown.
void FitLabels(QWidget& form, const QWidget& statusBar, QTabWidget& pages);

// The frame (here: minimise, no maximise or resizing), the client size and
// the screen position of the layout, kept on the screen.
void PlaceWindow(QWidget& form, const WindowLayout& window);

// Sets the background of a settings box: the layout's 3D-light colour
// before settings are shown, the window colour once they are.
void SetBackground(QWidget* control, const QColor& colour);

} // namespace qm
