// The window's look on Windows: the faces its texts are drawn in, and where
// a label before its field ends.
#pragma once

#include "Layout.h"

#include <string>

struct HWND__;

namespace qm {

// The face the platform draws a layout face in: a TrueType face with the
// Cyrillic letters that every Windows since 7 has.
std::wstring PlatformFace(const std::string& layoutFace);
// Whether the face is one of fixed pitch: where it is missing, the system
// then puts another of fixed pitch in its place.
bool IsMonospaced(const std::string& layoutFace);

// Where a label that stands before a field on its row ends at most, in the
// layout's pixels on its parent: short of the field. A label that grows with
// the DPI or its face grows away from its field. 0 for a label with no field
// after it on its row, which may grow to the right.
int LabelEnd(const Control& label);

// Draws the group box itself, as Windows' classic one looks: the etched
// frame broken by the title, in the box's font and the colours its parent
// gives. Wine's own drawing measures the title narrower than it draws it,
// and the frame runs through its last letters.
void PaintGroupBoxItself(HWND__* box);

} // namespace qm
