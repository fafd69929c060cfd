// The window laid out from the layout table at the screen's DPI: places,
// sizes and fonts scaled by DPI / 96. The Windows stage runs it at 96 and,
// with the prefix's LogPixels at 144, at 144 DPI (QMCONF_TEST_DPI says which).
#include "Settings.h"
#include "Win_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace qmtest {
namespace {

RECT placeInWindow(HWND control, HWND window) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class NativeLayout : public ::testing::Test {
protected:
    void SetUp() override { qm::ResetSettings(); }
    WinDriver driver;
    qm::Controls& controls = driver.window.controls();
    int scaled(int pixels) const { return MulDiv(pixels, controls.dpi(), 96); }
};

TEST_F(NativeLayout, RunsAtTheDpiTheStageSet) {
    const char* expected = std::getenv("QMCONF_TEST_DPI");
    std::printf("screen DPI %d\n", controls.dpi());
    EXPECT_EQ(controls.dpi(), expected ? std::atoi(expected) : 96);
}

TEST_F(NativeLayout, ClientAreaAndControlsScaleWithTheDpi) {
    RECT client;
    GetClientRect(driver.window.hwnd(), &client);
    EXPECT_EQ(client.right, scaled(617));
    EXPECT_EQ(client.bottom, scaled(468));

    // Top-level controls by their place in the client area.
    for (const char* name : {"BitBtn2", "BitBtn12", "PageControl1", "StatusBar1"}) {
        SCOPED_TRACE(name);
        const qm::Rect want = qm::FindControl(name)->place;
        const RECT got = placeInWindow(controls.at(name).hwnd, driver.window.hwnd());
        EXPECT_EQ(got.left, scaled(want.x));
        EXPECT_EQ(got.top, scaled(want.y));
        EXPECT_EQ(got.right - got.left, scaled(want.width));
        EXPECT_EQ(got.bottom - got.top, scaled(want.height));
    }
    // A control inside a group box, placed inside it as the table says.
    const RECT box = placeInWindow(controls.at("GroupBox2").hwnd, driver.window.hwnd());
    const RECT edit = placeInWindow(controls.at("Edit54").hwnd, driver.window.hwnd());
    EXPECT_EQ(edit.left - box.left, scaled(qm::FindControl("Edit54")->place.x));
    EXPECT_EQ(edit.top - box.top, scaled(qm::FindControl("Edit54")->place.y));
    EXPECT_EQ(edit.right - edit.left, scaled(qm::FindControl("Edit54")->place.width));
}

TEST_F(NativeLayout, FontsScaleAndLabelsFitTheirCaptions) {
    const auto font =
        reinterpret_cast<HFONT>(SendMessageW(controls.at("Label42").hwnd, WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_EQ(GetObjectW(font, sizeof asked, &asked), static_cast<int>(sizeof asked));
    EXPECT_STREQ(asked.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(asked.lfCharSet, RUSSIAN_CHARSET);
    HDC dc = GetDC(controls.at("Label42").hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE caption{};
    GetTextExtentPoint32W(dc, L"QM . . . . .", 12, &caption);
    SelectObject(dc, old);
    ReleaseDC(controls.at("Label42").hwnd, dc);
    // The serial caption: 21 pixels of character height, bold, in a face
    // with the Cyrillic letters (the system picks it when the raster face
    // lacks them).
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, scaled(21));
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET);

    RECT label;
    GetClientRect(controls.at("Label42").hwnd, &label);
    EXPECT_GE(label.right, caption.cx);
    EXPECT_LE(label.right, caption.cx + scaled(2));
    EXPECT_EQ(label.bottom, metrics.tmHeight);
}

} // namespace
} // namespace qmtest
