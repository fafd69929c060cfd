#include "Native_window.h"

#include "Utf16.h"

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

namespace qm {

namespace {

const wchar_t kWindowClass[] = L"QmconfForm1";

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* window = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, w, l);
    return static_cast<LRESULT>(window->handle(hwnd, message, w, l));
}

// The phone boxes' and radio buttons' own messages go by the window first.
LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                             DWORD_PTR data) {
    auto* window = reinterpret_cast<NativeWindow*>(data);
    NativeControl* c = window->controls().find(hwnd);
    const bool handled =
        c && (c->layout->kind == ControlKind::PhoneEdit ? window->phoneMessage(*c, message, w, l)
                                                        : window->radioMessage(*c, message, w, l));
    return handled ? 0 : DefSubclassProc(hwnd, message, w, l);
}

// The page hands what its controls tell it to the main window, which runs
// the form; it paints like a dialog.
LRESULT CALLBACK pageProc(HWND page, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetAncestor(page, GA_ROOT), message, w, l);
    default:
        return DefWindowProcW(page, message, w, l);
    }
}

// What the program's own window classes share: the button face behind them
// and the arrow cursor over them.
WNDCLASSEXW FaceClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    return wc;
}

void registerWindowClasses() {
    const WNDCLASSEXW page = FaceClass(kPageClass, pageProc);
    RegisterClassExW(&page);
    WNDCLASSEXW wc = FaceClass(kWindowClass, windowProc);
    // The product's icon at the sizes of the screen's DPI: the large for Alt+Tab,
    // the small for the title bar and the task bar.
    const auto icon = [&wc](int width, int height) {
        return static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height),
                                             LR_DEFAULTCOLOR));
    };
    wc.hIcon = icon(SM_CXICON, SM_CYICON);
    wc.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    RegisterClassExW(&wc);
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

NativeWindow::NativeWindow() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    registerWindowClasses();

    const WindowLayout& layout = FormWindow();
    const int dpi = screenDpi();
    // A single border, minimise and close only.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, MulDiv(layout.clientWidth, dpi, 96), MulDiv(layout.clientHeight, dpi, 96)};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{0, 0, 0, 0};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const Point at = PlaceOnScreen(
        width, height, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, Wide(layout.title).c_str(), style, at.x,
                    at.y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error("The main window could not be made");
    controls_ = std::make_unique<Controls>(hwnd_, dpi);
    for (NativeControl& c : controls_->all())
        if (c.layout->kind == ControlKind::PhoneEdit || c.layout->kind == ControlKind::RadioButton)
            SetWindowSubclass(c.hwnd, controlProc, 1, reinterpret_cast<DWORD_PTR>(this));
    form_ = std::make_unique<Form>(*this);
}

NativeWindow::~NativeWindow() {
    form_.reset();
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void NativeWindow::show() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
}

long long NativeWindow::handle(Hwnd hwnd, unsigned message, unsigned long long w, long long l) {
    switch (message) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_COMMAND:
        if (controls_ && l)
            if (NativeControl* c = controls_->find(reinterpret_cast<HWND>(l)))
                command(*c, HIWORD(w));
        return 0;
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(l);
        if (controls_ && n->hwndFrom == controls_->at(Id::PageControl1).hwnd &&
            n->code == TCN_SELCHANGE) {
            const int picked = page();
            showPage(picked);
            form_->pageChanged(picked);
        }
        return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (controls_)
            if (HBRUSH brush =
                    controls_->paint(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_NEXTDLGCTL: {
        // The dialog keys of a window that is no dialog: move the focus.
        HWND next =
            LOWORD(l) ? reinterpret_cast<HWND>(w) : GetNextDlgTabItem(hwnd, GetFocus(), w != 0);
        if (next)
            SetFocus(next);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, w, l);
}

void NativeWindow::command(NativeControl& c, int code) {
    const Id id = c.layout->id;
    switch (c.layout->kind) {
    case ControlKind::Button:
        if (code == BN_CLICKED)
            form_->clicked(id);
        break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        // The platform's boxes change nothing by themselves: a click flips
        // the box, and the form keeps a sensor pair whole.
        if (code == BN_CLICKED && !radioFocus_) {
            const bool on = !checked(id);
            SendMessageW(c.hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
            form_->toggled(id, on);
        }
        break;
    case ControlKind::Edit:
        if (code == EN_CHANGE)
            form_->typed(id);
        break;
    case ControlKind::DropDownList:
        // A pick is reported once the list is closed, or at once when the
        // arrows change the entry of a closed list.
        if (code == CBN_CLOSEUP ||
            (code == CBN_SELCHANGE && !SendMessageW(c.hwnd, CB_GETDROPPEDSTATE, 0, 0))) {
            const int now = static_cast<int>(SendMessageW(c.hwnd, CB_GETCURSEL, 0, 0));
            if (now != c.entry) {
                c.entry = now;
                form_->picked(id, now);
            }
        }
        break;
    default:
        break;
    }
}

bool NativeWindow::phoneMessage(NativeControl& box, unsigned message, unsigned long long w,
                                long long l) {
    const Id name = box.layout->id;
    switch (message) {
    case WM_CHAR:
        if (w == 0x08) {
            form_->phoneKey(name, PhoneKey::Backspace);
            return true;
        }
        if (w == 0x16 || w == 0x18) { // Ctrl+V, Ctrl+X
            SendMessageW(box.hwnd, w == 0x16 ? WM_PASTE : WM_CUT, 0, 0);
            return true;
        }
        if (w >= 0x20) {
            form_->phoneTyped(name, static_cast<char32_t>(w));
            return true;
        }
        return false;
    case WM_KEYDOWN:
        if (w == VK_DELETE) {
            if (GetKeyState(VK_SHIFT) & 0x8000)
                SendMessageW(box.hwnd, WM_CUT, 0, 0);
            else
                form_->phoneKey(name, PhoneKey::Delete);
            return true;
        }
        return false;
    case WM_CUT:
        SendMessageW(box.hwnd, WM_COPY, 0, 0);
        form_->phoneKey(name, PhoneKey::Delete);
        return true;
    case WM_CLEAR:
        form_->phoneKey(name, PhoneKey::Delete);
        return true;
    case WM_PASTE: {
        std::wstring pasted;
        if (OpenClipboard(box.hwnd)) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
                if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                    pasted = chars;
                    GlobalUnlock(data);
                }
            CloseClipboard();
        }
        form_->pasted(name, Utf8(pasted));
        return true;
    }
    case WM_LBUTTONUP:
        // The edit puts the caret where the click was; the form then moves it.
        DefSubclassProc(box.hwnd, message, w, l);
        form_->clicked(name);
        return true;
    default:
        return false;
    }
}

bool NativeWindow::radioMessage(NativeControl& button, unsigned message, unsigned long long w,
                                long long l) {
    if (message != WM_SETFOCUS)
        return false;
    // The platform's button reports a click when it gets the focus; the
    // focus alone selects nothing here.
    radioFocus_ = true;
    DefSubclassProc(button.hwnd, message, w, l);
    radioFocus_ = false;
    return true;
}

} // namespace qm
