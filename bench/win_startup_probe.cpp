// The start-up of the Windows window, measured inside the process: from the
// process's creation to its first painted frame, and the peak working set.
// Built twice: as the editor (QMCONF_PROBE_EDITOR: the whole window from the
// layout, over the form) and as the smallest Win32 window with one label
// built the same way (class, font, CreateWindowExW). Prints
// "<ms> ms <KiB> KiB".
#ifdef QMCONF_PROBE_EDITOR
#include "Native_window.h"
#endif

#include <windows.h>

#include <psapi.h>

#include <cstdio>

namespace {

double msSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
}

void report() {
    const double ms = msSinceProcessStart();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%.1f ms %zu KiB\n", ms,
                static_cast<std::size_t>(memory.PeakWorkingSetSize / 1024));
}

#ifndef QMCONF_PROBE_EDITOR
LRESULT CALLBACK minimalProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, w, l);
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef QMCONF_PROBE_EDITOR
    (void)instance;
    qm::NativeWindow window;
    window.show(); // paints the frame at once (UpdateWindow)
    GdiFlush();
    report();
#else
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = minimalProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QmconfProbe";
    RegisterClassExW(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Проба", style, 547, 140, 623, 493, nullptr,
                                nullptr, instance, nullptr);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    HWND label = CreateWindowExW(0, L"STATIC", L"Проба", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 8, 100,
                                 13, hwnd, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    GdiFlush();
    report();
    DestroyWindow(hwnd);
    DeleteObject(font);
#endif
    return 0;
}
