// Takes the pictures of the user guide (docs/images/win-*) of the Windows
// window: the window as qmconf.exe makes it, with the program's own
// resources, driven by the window scenarios' driver through its own loop
// (clicks on the controls found by their layout names, keys through the
// system's input); each picture is the screen within the window's frame as
// Wine has drawn it on the X display, taken once it has stopped changing.
// scripts/screenshots-win.sh runs it in a prefix of the language and DPI
// asked for.
//
// Writes into the current folder, as PPM:
//   win-start      the window as it opens
//   win-tab1..4    "ПО УМОЛЧАНИЮ", then each of the four tab pages, turned
//                  with Ctrl+Tab
#include "Win_driver.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Shot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgrx; // top-down rows of blue, green, red, unused

    bool operator==(const Shot& other) const {
        return width == other.width && height == other.height && bgrx == other.bgrx;
    }
};

// The screen within the window's frame (Wine draws the frame itself).
Shot shotOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    Shot shot;
    shot.width = r.right - r.left;
    shot.height = r.bottom - r.top;
    shot.bgrx.resize(static_cast<std::size_t>(shot.width) * shot.height * 4);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.width, shot.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.height), shot.bgrx.data(),
                               &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != shot.height)
        throw std::runtime_error("the screen could not be read");
    return shot;
}

// The window once it has had time to show what it was told and then stopped
// changing: two shots alike in a row, 200 ms apart, its messages run
// meanwhile.
Shot settled(qm::NativeWindow& window) {
    qm::PumpMessages(window);
    Sleep(500);
    Shot previous = shotOf(window.hwnd());
    for (int i = 0; i < 50; ++i) {
        Sleep(200);
        qm::PumpMessages(window);
        Shot shot = shotOf(window.hwnd());
        if (shot == previous)
            return shot;
        previous = std::move(shot);
    }
    throw std::runtime_error("the window did not settle");
}

void save(const Shot& shot, const std::string& name) {
    std::FILE* out = std::fopen((name + ".ppm").c_str(), "wb");
    if (out == nullptr)
        throw std::runtime_error("could not write " + name);
    std::fprintf(out, "P6\n%d %d\n255\n", shot.width, shot.height);
    for (std::size_t at = 0; at < shot.bgrx.size(); at += 4) {
        const unsigned char rgb[] = {shot.bgrx[at + 2], shot.bgrx[at + 1], shot.bgrx[at]};
        std::fwrite(rgb, 1, sizeof rgb, out);
    }
    if (std::fclose(out) != 0)
        throw std::runtime_error("could not write " + name);
}

} // namespace

int main() {
    try {
        qmtest::WinDriver driver;
        save(settled(driver.window), "win-start");
        driver.click("BitBtn1");
        save(settled(driver.window), "win-tab1");
        for (int page = 2; page <= 4; ++page) {
            driver.pressKey(qmtest::Key::CtrlTab);
            save(settled(driver.window), "win-tab" + std::to_string(page));
        }
        driver.click("BitBtn12");
        if (driver.window.hwnd())
            throw std::runtime_error("the window did not close on ВЫХОД");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "win_guide_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
