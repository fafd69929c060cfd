#include "Look.h"

#include "Wide.h"

#include <climits>

namespace qm {

namespace {

// What a label must keep clear of between its text and its field.
const int kGap = 2;

bool isField(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Edit:
    case ControlKind::PhoneEdit:
    case ControlKind::DropDownList:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return true;
    default:
        return false;
    }
}

} // namespace

std::wstring PlatformFace(const std::string& layoutFace) {
    // "MS Sans Serif" is a raster face: one size at every DPI, and on a
    // Windows whose code page is not 1251 another, wider face stands in for
    // it. Arial is scalable, on every Windows with the Cyrillic letters, and
    // as wide as the laid-out face at its size, so the labels keep their
    // places (Tahoma, the dialogs' face, runs some 7 % wider).
    if (layoutFace == "MS Sans Serif")
        return L"Arial";
    return Wide(layoutFace);
}

bool IsMonospaced(const std::string& layoutFace) {
    return layoutFace == "Courier New";
}

int LabelEnd(const Control& label) {
    const Rect& l = label.place;
    int fieldLeft = INT_MAX;
    for (const Control& c : FormControls()) {
        const Rect& f = c.place;
        if (!isField(c.kind) || c.parent != label.parent || f.x <= l.x)
            continue;
        if (f.y < l.y + l.height && l.y < f.y + f.height && f.x < fieldLeft)
            fieldLeft = f.x;
    }
    return fieldLeft == INT_MAX ? 0 : fieldLeft - kGap;
}

} // namespace qm
