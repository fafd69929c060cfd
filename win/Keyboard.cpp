// The window's loop and its keys: Enter goes to the form before the dialog
// keys; the page keys turn the pages from anywhere; Tab walks the tab stops
// with the tab strip among them; the arrows move within a radio pair. The
// mouse's messages go by the tool-tips on their way.
#include "Native_window.h"

#include <windows.h>

#include <vector>

namespace qm {

namespace {

bool down(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

struct Stop {
    HWND hwnd;
    bool tabStop;
};

// The shown and enabled windows under parent in the order Tab walks them:
// each in its place among its siblings, a control parent's own windows right
// after it. The tab strip, a tab stop that holds the pages, comes before
// them, as in a property sheet.
void walkOrder(HWND parent, std::vector<Stop>& order) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(c, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        order.push_back({c, (style & WS_TABSTOP) != 0});
        if (GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            walkOrder(c, order);
    }
}

HWND nextTabStop(HWND window, HWND from, bool back) {
    std::vector<Stop> order;
    walkOrder(window, order);
    const int n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<std::size_t>(i)].hwnd == from)
            at = i;
    if (at < 0) // from nowhere in the window: the first stop, or the last
        at = back ? 0 : n - 1;
    for (int step = 1; step <= n; ++step) {
        const int i = ((at + (back ? -step : step)) % n + n) % n;
        if (order[static_cast<std::size_t>(i)].tabStop)
            return order[static_cast<std::size_t>(i)].hwnd;
    }
    return nullptr;
}

} // namespace

void NativeWindow::dispatch(const void* message) {
    MSG m = *static_cast<const MSG*>(message);
    if (hwnd_)
        controls_->relayToTooltips(&m);
    if (m.message == WM_KEYDOWN && hwnd_) {
        NativeControl* c = controls_->find(m.hwnd);
        const bool dropped = c && c->layout->kind == ControlKind::DropDownList &&
                             SendMessageW(c->hwnd, CB_GETDROPPEDSTATE, 0, 0);
        if (m.wParam == VK_RETURN && c && !dropped) {
            // Enter only moves the focus, whatever Shift, Ctrl and Alt.
            form_->enterPressed(c->layout->id);
            return;
        }
        const bool ctrl = down(VK_CONTROL) && !down(VK_MENU);
        if (ctrl && !dropped &&
            (m.wParam == VK_TAB || m.wParam == VK_NEXT || m.wParam == VK_PRIOR)) {
            const bool back = m.wParam == VK_PRIOR || (m.wParam == VK_TAB && down(VK_SHIFT));
            form_->pageTurned(back ? PageTurn::Previous : PageTurn::Next);
            return;
        }
        const bool arrow =
            m.wParam == VK_DOWN || m.wParam == VK_RIGHT || m.wParam == VK_UP || m.wParam == VK_LEFT;
        if (c && c->layout->kind == ControlKind::RadioButton && arrow) {
            form_->arrowPressed(c->layout->id);
            return;
        }
        if (m.wParam == VK_TAB && !down(VK_CONTROL)) {
            // Tab selects the whole text of the edit it reaches, as in a dialog.
            if (HWND next = nextTabStop(hwnd_, GetFocus(), down(VK_SHIFT))) {
                SetFocus(next);
                if (NativeControl* to = controls_->find(next); to && to->isEdit())
                    SendMessageW(next, EM_SETSEL, 0, -1);
            }
            return;
        }
    }
    if (hwnd_ && IsDialogMessageW(hwnd_, &m))
        return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

int RunMessageLoop(NativeWindow& window) {
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0)
        window.dispatch(&m);
    return static_cast<int>(m.wParam);
}

void PumpMessages(NativeWindow& window) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT)
            break;
        window.dispatch(&m);
    }
}

} // namespace qm
