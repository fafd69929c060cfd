#include "Win_driver.h"

#include "Utf16.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace qmtest {

namespace {

// The device commands see no volumes unless a test says otherwise.
class NoVolumes : public qm::VolumeList {
public:
    std::vector<std::string> roots() override { return {}; }
    std::optional<std::uint32_t> serialOf(const std::string&) override { return std::nullopt; }
    std::string settingsPath(const std::string& root) const override { return root; }
};

LPARAM centreOf(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    return MAKELPARAM(r.right / 2, r.bottom / 2);
}

bool takesInput(HWND control) {
    return IsWindowEnabled(control) && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE);
}

} // namespace

WinDriver::WinDriver() {
    window.boxHook = [this](qm::BoxKind, const std::string& text) { boxes_.push_back(text); };
    window.fileDialogHook = [this](const qm::FileDialogSetup&) { return answer_; };
    window.form().setVolumeSource([] { return std::make_unique<NoVolumes>(); });
    window.show();
    qm::PumpMessages(window);
}

WinDriver::~WinDriver() {
    qm::PumpMessages(window);
}

qm::Hwnd WinDriver::hwnd(const std::string& control) {
    return window.controls().at(IdOf(control)).hwnd;
}

void WinDriver::post(qm::Hwnd to, unsigned message, unsigned long long w, long long l) {
    PostMessageW(to, message, static_cast<WPARAM>(w), static_cast<LPARAM>(l));
    qm::PumpMessages(window);
}

void WinDriver::click(const std::string& control) {
    HWND to = hwnd(control);
    if (!takesInput(to))
        return; // the mouse reaches no disabled control
    const LPARAM at = centreOf(to);
    post(to, WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(to, WM_LBUTTONUP, 0, at);
}

void WinDriver::retype(const std::string& control, const std::string& text) {
    focus(control);
    ASSERT_EQ(focused(), control);
    // Ctrl+A, as the technician selects the whole text.
    SendMessageW(hwnd(control), EM_SETSEL, 0, -1);
    if (text.empty())
        post(hwnd(control), WM_KEYDOWN, VK_DELETE, 1);
    else
        typeKeys(text);
}

void WinDriver::typeKeys(const std::string& text) {
    HWND to = GetFocus();
    ASSERT_NE(to, nullptr);
    for (const wchar_t c : qm::Wide(text))
        post(to, WM_CHAR, c, 1);
}

void WinDriver::paste(const std::string& text) {
    const std::wstring wide = qm::Wide(text);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    ASSERT_NE(data, nullptr);
    wide.copy(static_cast<wchar_t*>(GlobalLock(data)), wide.size());
    static_cast<wchar_t*>(GlobalLock(data))[wide.size()] = L'\0';
    GlobalUnlock(data);
    GlobalUnlock(data);
    ASSERT_TRUE(OpenClipboard(window.hwnd()));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    post(GetFocus(), WM_CHAR, 0x16, 1); // Ctrl+V
}

void WinDriver::pressEnter() {
    HWND to = GetFocus();
    ASSERT_NE(to, nullptr);
    post(to, WM_KEYDOWN, VK_RETURN, 1);
    post(to, WM_KEYUP, VK_RETURN, 0xC0000001);
}

void WinDriver::pressKey(Key key) {
    struct Stroke {
        WORD key;
        bool shift;
        bool ctrl;
    };
    const Stroke strokes[] = {
        {VK_TAB, false, false},   {VK_TAB, true, false},     {VK_TAB, false, true},
        {VK_TAB, true, true},     {VK_NEXT, false, true},    {VK_PRIOR, false, true},
        {VK_LEFT, false, false},  {VK_RIGHT, false, false},  {VK_UP, false, false},
        {VK_DOWN, false, false},  {VK_SPACE, false, false},  {VK_ESCAPE, false, false},
        {VK_HOME, false, false},  {0, false, true},          {VK_RETURN, true, false},
        {VK_RETURN, false, true}, {VK_RETURN, false, false},
    };
    if (key == Key::SelectAll) { // Ctrl+A, as the technician selects the whole text
        SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
        return;
    }
    const Stroke& s = strokes[static_cast<int>(key)];
    std::vector<INPUT> input;
    const auto stroke = [&input, key](WORD vk, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        const bool extended = vk == VK_NEXT || vk == VK_PRIOR || vk == VK_LEFT || vk == VK_RIGHT ||
                              vk == VK_UP || vk == VK_DOWN || vk == VK_HOME ||
                              (vk == VK_RETURN && key == Key::KeypadEnter);
        i.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0u) | (extended ? KEYEVENTF_EXTENDEDKEY : 0u);
        input.push_back(i);
    };
    if (s.ctrl)
        stroke(VK_CONTROL, false);
    if (s.shift)
        stroke(VK_SHIFT, false);
    stroke(s.key, false);
    stroke(s.key, true);
    if (s.shift)
        stroke(VK_SHIFT, true);
    if (s.ctrl)
        stroke(VK_CONTROL, true);
    ASSERT_EQ(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)),
              input.size());
    qm::PumpMessages(window);
}

void WinDriver::pickTab(int page) {
    HWND tabs = window.controls().at(qm::Id::PageControl1).hwnd;
    RECT r;
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    post(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(tabs, WM_LBUTTONUP, 0, at);
}

void WinDriver::pickEntry(const std::string& control, int entry) {
    focus(control);
    HWND list = hwnd(control);
    if (!takesInput(list))
        return;
    const qm::Id id = IdOf(control);
    for (int step = 0; step < 8 && window.entry(id) != entry; ++step)
        post(list, WM_KEYDOWN, window.entry(id) < entry ? VK_DOWN : VK_UP, 1);
}

void WinDriver::focus(const std::string& control) {
    HWND to = hwnd(control);
    if (!takesInput(to))
        return;
    SetFocus(to);
    qm::PumpMessages(window);
}

std::string WinDriver::text(const std::string& control) {
    return window.text(IdOf(control));
}

std::string WinDriver::selectedText(const std::string& control) {
    HWND edit = hwnd(control);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring all = qm::Wide(window.text(IdOf(control)));
    return qm::Utf8(all.substr(start, end - start));
}

std::string WinDriver::focused() {
    return NameOf(window.focused());
}

} // namespace qmtest
