#include "Controls.h"

#include "Look.h"
#include "Utf16.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace qm {

namespace {

COLORREF colourOf(Colour c) {
    switch (c) {
    case Colour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case Colour::Window:
        return GetSysColor(COLOR_WINDOW);
    case Colour::Light3D:
        return GetSysColor(COLOR_3DLIGHT);
    case Colour::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case Colour::Maroon:
        return RGB(0x80, 0, 0);
    case Colour::Inherit:
        break;
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classOf(const Control& c) {
    switch (c.kind) {
    case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::Edit:
    case ControlKind::PhoneEdit:
        return {L"EDIT", ES_AUTOHSCROLL | (c.keepsSelection ? ES_NOHIDESEL : 0u), WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::CheckBox:
        // The form runs the box's rule: the box changes only when told.
        return {L"BUTTON", BS_CHECKBOX | (c.captionLeft ? BS_LEFTTEXT : 0u), 0};
    case ControlKind::RadioButton:
        // Never selected by the focus alone: the form selects it.
        return {L"BUTTON", BS_RADIOBUTTON, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::PageControl:
        return {WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::TabPage:
        return {kPageClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0};
    }
    throw std::logic_error("No native control for " + c.name);
}

} // namespace

Controls::Controls(Hwnd window, int dpi) : window_(window), dpi_(dpi) {
    // One device context to measure every label's text in, at the screen's DPI.
    measuring_ = CreateCompatibleDC(nullptr);
    light3D_ = CreateSolidBrush(GetSysColor(COLOR_3DLIGHT));
    windowBrush_ = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    face_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(FormWindow().font)), 0);
    controls_.resize(FormControls().size());
    for (const Control& c : FormControls())
        make(c);
}

Controls::~Controls() {
    for (const auto& [key, font] : fonts_)
        DeleteObject(font);
    for (HBRUSH brush : {light3D_, windowBrush_, face_})
        DeleteObject(brush);
    DeleteDC(measuring_);
}

int Controls::scaled(int pixels) const {
    return MulDiv(pixels, dpi_, 96);
}

HFONT Controls::fontFor(const Font& font) {
    const Font& f = font.face.empty() ? FormWindow().font : font;
    const std::string key = f.face + "/" + std::to_string(f.pixelHeight) + (f.bold ? "b" : "");
    if (const auto found = fonts_.find(key); found != fonts_.end())
        return found->second;
    // The character height scaled to the screen, in a TrueType face that
    // every Windows since 7 has with the Cyrillic letters.
    const DWORD pitch = IsMonospaced(f.face) ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS;
    HFONT made = CreateFontW(-scaled(f.pixelHeight), 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             FALSE, FALSE, RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, pitch, PlatformFace(f.face).c_str());
    fonts_.emplace(key, made);
    return made;
}

Rect Controls::placeOnParent(const Control& c, Hwnd* parent) const {
    Rect place = c.place;
    Id owner = c.parent;
    // A group box's controls are its page's children, placed inside the box,
    // so that their notifications reach the window as every other control's
    // do: up through the group boxes to the page or the window.
    while (owner != Id::None && Layout(owner).kind == ControlKind::GroupBox) {
        place.x += Layout(owner).place.x;
        place.y += Layout(owner).place.y;
        owner = Layout(owner).parent;
    }
    *parent = owner == Id::None ? window_ : at(owner).hwnd;
    return place;
}

void Controls::make(const Control& c) {
    NativeControl made;
    made.layout = &c;
    made.font = fontFor(c.font);
    const ClassAndStyle cs = classOf(c);
    DWORD style = WS_CHILD | cs.style;
    if (c.shown && c.kind != ControlKind::TabPage)
        style |= WS_VISIBLE;
    if (!c.enabled)
        style |= WS_DISABLED;
    if (c.tabStop)
        style |= WS_TABSTOP;
    // A radio pair is one group: every other control opens a group, so the
    // control after the pair opens the next.
    const Control* previous = &c == &FormControls().front() ? nullptr : &c - 1;
    const bool secondOfPair = c.kind == ControlKind::RadioButton && previous &&
                              previous->kind == ControlKind::RadioButton &&
                              previous->parent == c.parent;
    if (!secondOfPair)
        style |= WS_GROUP;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const int id = static_cast<int>(c.id) + 100;
    if (c.kind == ControlKind::TabPage) {
        const NativeControl& holder = at(c.parent);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        std::wstring caption = Wide(c.text);
        item.pszText = caption.data();
        SendMessageW(holder.hwnd, TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
        RECT area;
        GetClientRect(holder.hwnd, &area);
        SendMessageW(holder.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        if (pages_.empty())
            style |= WS_VISIBLE;
        made.hwnd =
            CreateWindowExW(cs.exStyle, cs.className, nullptr, style, area.left, area.top,
                            area.right - area.left, area.bottom - area.top, holder.hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        pages_.push_back(made.hwnd);
    } else {
        const std::wstring text = Wide(c.text);
        Hwnd parent = nullptr;
        const Rect r = placeOnParent(c, &parent);
        // A list's height is its dropped list's too; a label is made at the
        // place and size its text takes.
        RECT place{scaled(r.x), scaled(r.y), scaled(r.width),
                   scaled(c.kind == ControlKind::DropDownList ? r.height + 200 : r.height)};
        if (c.kind == ControlKind::Label)
            place = labelPlace(c, text, made.font);
        // A screen reader names a box by the label before it: one that no
        // label of the window names gets a hidden one.
        if (const std::string name = AccessibleName(c); !name.empty())
            CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"STATIC", Wide(name).c_str(),
                            WS_CHILD | SS_NOPREFIX, place.left, place.top, 0, 0, parent, nullptr,
                            instance, nullptr);
        made.hwnd =
            CreateWindowExW(cs.exStyle | WS_EX_NOPARENTNOTIFY, cs.className, text.c_str(), style,
                            place.left, place.top, place.right, place.bottom, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    }
    if (!made.hwnd)
        throw std::runtime_error("The control " + c.name + " could not be made");
    SendMessageW(made.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(made.font), FALSE);

    switch (c.kind) {
    case ControlKind::GroupBox:
        PaintGroupBoxItself(made.hwnd);
        break;
    case ControlKind::PhoneEdit:
        // The telephone mask shows whole: a pixel's margin, not the face's
        // own, which would scroll its last places out of sight.
        SendMessageW(made.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(scaled(1), scaled(1)));
        break;
    case ControlKind::DropDownList:
        for (const std::string& entry : c.entries)
            SendMessageW(made.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        SendMessageW(made.hwnd, CB_SETCURSEL, static_cast<WPARAM>(c.entry), 0);
        made.entry = c.entry;
        break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        SendMessageW(made.hwnd, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::StatusBar: {
        std::vector<int> edges;
        int x = 0;
        for (const int w : c.panels)
            edges.push_back(x += scaled(w));
        SendMessageW(made.hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        break;
    }
    default:
        break;
    }
    made.paintsLook = c.background == Colour::Light3D || c.background == Colour::Window;
    made.look = c.background == Colour::Light3D ? Background::Start : Background::Working;

    if (!c.toolTip.empty()) {
        std::wstring tip = Wide(c.toolTip);
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        // The window's loop hands the tool-tips the mouse's messages
        // (RelayToTooltips): no subclass made per control.
        info.uFlags = TTF_IDISHWND;
        info.hwnd = window_;
        info.uId = reinterpret_cast<UINT_PTR>(made.hwnd);
        info.lpszText = tip.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    controls_[static_cast<std::size_t>(c.id)] = made;
}

NativeControl* Controls::find(Hwnd hwnd) {
    for (NativeControl& c : controls_)
        if (c.hwnd == hwnd)
            return &c;
    return nullptr;
}

RECT Controls::labelPlace(const Control& label, const std::wstring& text, HFONT font) const {
    HGDIOBJ old = SelectObject(measuring_, font);
    SIZE size{};
    TEXTMETRICW metrics{};
    GetTextMetricsW(measuring_, &metrics);
    if (!text.empty())
        GetTextExtentPoint32W(measuring_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(measuring_, old);
    // A letter's tail may reach past its advance ("ц"): a little room after
    // the last one.
    const int width = size.cx + (text.empty() ? 0 : scaled(2));
    Hwnd parent = nullptr;
    const Rect place = placeOnParent(label, &parent);
    int left = scaled(place.x);
    // A label before its field grows away from it, short of the field.
    if (const int end = LabelEnd(label); end > 0) {
        const int limit = scaled(place.x - label.place.x + end);
        left = std::max(0, std::min(left, limit - width));
    }
    return {left, scaled(place.y), width, metrics.tmHeight};
}

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

void Controls::fitLabel(const NativeControl& label) const {
    const RECT place = labelPlace(*label.layout, WindowText(label.hwnd), label.font);
    SetWindowPos(label.hwnd, nullptr, place.left, place.top, place.right, place.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH Controls::paint(Hwnd control, void* dcHandle) const {
    HDC dc = static_cast<HDC>(dcHandle);
    const NativeControl* c = const_cast<Controls*>(this)->find(control);
    if (!c) // a list's dropped part
        c = const_cast<Controls*>(this)->find(GetParent(control));
    if (!c)
        return nullptr;
    const Control& l = *c->layout;
    SetTextColor(
        dc, colourOf(l.textColour == Colour::Inherit ? FormWindow().textColour : l.textColour));
    if (c->paintsLook && c->look == Background::Start) {
        SetBkColor(dc, GetSysColor(COLOR_3DLIGHT));
        return light3D_;
    }
    if (c->paintsLook || c->isEdit()) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return windowBrush_;
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return face_;
}

void Controls::relayToTooltips(const void* message) const {
    const MSG& m = *static_cast<const MSG*>(message);
    if ((m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) || m.message == WM_NCMOUSEMOVE)
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

} // namespace qm
