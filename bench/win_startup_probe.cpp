// The start-up of the Windows window, measured inside the process: from the
// process's creation to its first painted frame, and the peak working set.
// Built twice, with the same manifest and icon: as the editor
// (QMCONF_PROBE_EDITOR: the whole window from the layout, over the form) and
// as the least window that makes one control of each class the editor uses
// (button, edit, list, label, tab strip, status line, tool-tips), in one
// face. Prints "<ms> ms <KiB> KiB".
//
// The first argument stops it early, to see where the time goes: "entry"
// right at wWinMain (the loader's share: the process and its DLLs), "made"
// once the window and its controls are made but not yet shown.
#ifdef QMCONF_PROBE_EDITOR
#include "Native_window.h"
#endif

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

double msSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
}

int report() {
    const double ms = msSinceProcessStart();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%.1f ms %zu KiB\n", ms,
                static_cast<std::size_t>(memory.PeakWorkingSetSize / 1024));
    return 0;
}

#ifndef QMCONF_PROBE_EDITOR
LRESULT CALLBACK leastProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, w, l);
}

// One control of each class the editor makes, in the window's face.
void makeOneOfEach(HWND window, HINSTANCE instance) {
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, L"Arial");
    struct Made {
        const wchar_t* className;
        const wchar_t* text;
        DWORD style;
        RECT place;
    };
    const Made controls[] = {
        {L"BUTTON", L"ВЫХОД", BS_PUSHBUTTON | WS_TABSTOP, {561, 0, 56, 25}},
        {WC_TABCONTROLW, L"", WS_CLIPCHILDREN | WS_TABSTOP, {0, 33, 617, 416}},
        {L"STATIC", L"Проба", SS_LEFTNOWORDWRAP, {184, 72, 30, 13}},
        {L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, {216, 64, 193, 21}},
        {L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {144, 56, 185, 221}},
        {STATUSCLASSNAMEW, L"", CCS_NOPARENTALIGN | CCS_NORESIZE, {0, 449, 617, 19}},
    };
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window, nullptr, instance, nullptr);
    for (const Made& m : controls) {
        HWND c = CreateWindowExW(0, m.className, m.text, WS_CHILD | WS_VISIBLE | m.style,
                                 m.place.left, m.place.top, m.place.right, m.place.bottom, window,
                                 nullptr, instance, nullptr);
        SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (std::wcscmp(m.className, WC_TABCONTROLW) == 0) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            wchar_t caption[] = L"Настройки модуля связи";
            item.pszText = caption;
            SendMessageW(c, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(GetWindow(window, GW_CHILD));
    wchar_t tip[] = L"Закрыть программу";
    info.lpszText = tip;
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    const std::wstring stop = arguments ? arguments : L"";
    if (stop == L"entry")
        return report();
#ifdef QMCONF_PROBE_EDITOR
    (void)instance;
    qm::NativeWindow window;
    if (stop == L"made")
        return report();
    window.show(); // paints the frame at once (UpdateWindow)
    GdiFlush();
    return report();
#else
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = leastProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QmconfProbe";
    RegisterClassExW(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"Проба", style, 547, 140,
                                623, 493, nullptr, nullptr, instance, nullptr);
    makeOneOfEach(hwnd, instance);
    if (stop == L"made")
        return report();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    GdiFlush();
    report();
    DestroyWindow(hwnd);
    return 0;
#endif
}
