// What the window's look needs beyond the .ui form: fonts by pixel height,
// label sizes that follow their texts, the fixed frame and the colours that
// tell the start-up look from the working look.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace qm {

// "MS Sans Serif" 11 px for the window, bold 21 px for the serial captions,
// bold 19 px for the hour-minute colons, "Courier New" 13 px for the
// telephone boxes. Where a face is not installed, the nearest sans-serif or
// monospaced face with Cyrillic stands in at the same pixel height.
// The window's own font, every control's unless it has one of its own. Set
// before the controls are made, so that they are laid out once, in it.
void ApplyBaseFont(QWidget& form);
// The fonts of the controls that have their own.
void ApplyFonts(QWidget& form);

// Every label of the window (the status panels aside) takes its text's size;
// those of a tab page when the page is first shown.
void FitLabels(QWidget& form);

// Sets a label's text and fits its size to it.
void SetCaption(QLabel* label, const QString& text);

// The fixed frame (minimise, no maximise or resizing), the client size and
// the screen position, kept on the screen.
void PlaceWindow(QWidget& form);

// Background of settings controls before any settings are shown and of the
// banknote boxes throughout (the 3D light colour), and of the boxes once
// settings are shown (the window colour).
QColor StartBackground();
QColor WorkingBackground(const QWidget& form);
void SetBackground(QWidget* control, const QColor& colour);

} // namespace qm
