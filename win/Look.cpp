#include "Look.h"

#include "Utf16.h"

#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <string>

namespace qm {

namespace {

// What a label must keep clear of between its text and its field.
const int kGap = 2;

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
        // The controls the user works in: those Tab stops at (no label
        // shares the page control's parent).
        if (!TabStopByDefault(c.kind) || c.parent != label.parent || f.x <= l.x)
            continue;
        if (f.y < l.y + l.height && l.y < f.y + f.height && f.x < fieldLeft)
            fieldLeft = f.x;
    }
    return fieldLeft == INT_MAX ? 0 : fieldLeft - kGap;
}

namespace {

void paintGroupBox(HWND box, HDC dc) {
    RECT client;
    GetClientRect(box, &client);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    // The text colour and the brush of the box's face, as for a label.
    auto face = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(box)));
    if (!face)
        face = GetSysColorBrush(COLOR_BTNFACE);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(box, title.data(), title.size())));
    if (!title.empty()) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
        // Where the classic box puts its title, with room either side; a
        // letter's tail may reach past its advance.
        const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
        const int indent = MulDiv(8, dpi, 96);
        RECT gap{indent - MulDiv(2, dpi, 96), 0, indent + extent.cx + MulDiv(3, dpi, 96),
                 metrics.tmHeight};
        FillRect(dc, &gap, face);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, indent, 0, title.c_str(), static_cast<int>(title.size()));
    }
    SelectObject(dc, old);
}

LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(box, &ps);
        paintGroupBox(box, dc);
        EndPaint(box, &ps);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        // The button draws itself at once on these, past WM_PAINT: drawn
        // again here.
        const LRESULT result = DefSubclassProc(box, message, w, l);
        InvalidateRect(box, nullptr, FALSE);
        return result;
    }
    default:
        return DefSubclassProc(box, message, w, l);
    }
}

} // namespace

void PaintGroupBoxItself(HWND box) {
    SetWindowSubclass(box, groupBoxProc, 1, 0);
}

} // namespace qm
