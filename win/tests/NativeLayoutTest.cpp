// The window laid out from the layout table at the screen's DPI: places,
// sizes and fonts scaled by DPI / 96, every text whole in its control's own
// font, no label over a field. The Windows stage runs it at 96, 120, 144 and
// 192 DPI (the prefix's LogPixels; QMCONF_TEST_DPI says which), in an English
// and a Russian prefix (QMCONF_TEST_CODEPAGE says which code page).
#include "Look.h"
#include "Settings.h"
#include "Utf16.h"
#include "Win_driver.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace qmtest {
namespace {

RECT placeInWindow(HWND control, HWND window) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The text's extent in the control's own font, and that font's metrics.
struct Measure {
    SIZE extent{};
    TEXTMETRICW metrics{};
    std::wstring face;
};

Measure measure(HWND control, const std::wstring& text) {
    Measure m;
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &m.metrics);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &m.extent);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    m.face = face;
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return m;
}

bool isField(qm::ControlKind kind) {
    using K = qm::ControlKind;
    return kind == K::Button || kind == K::Edit || kind == K::PhoneEdit ||
           kind == K::DropDownList || kind == K::CheckBox || kind == K::RadioButton;
}

class NativeLayout : public ::testing::Test {
protected:
    WinDriver driver;
    qm::Controls& controls = driver.window.controls();
    int scaled(int pixels) const { return MulDiv(pixels, controls.dpi(), 96); }

    // Every text the window shows now that must show whole, with the room
    // its control gives it: what a control of the kind takes for its frame,
    // its box or its button is not the text's.
    void expectTextsWhole() {
        for (const qm::NativeControl& c : controls.all()) {
            const std::string& name = c.layout->name;
            const HWND h = c.hwnd;
            RECT client;
            GetClientRect(h, &client);
            const auto fits = [&](const std::wstring& text, int room, const char* what) {
                if (text.empty())
                    return;
                const int extent = measure(h, text).extent.cx;
                EXPECT_LE(extent, room) << name << " " << what << " \"" << qm::Utf8(text)
                                        << "\" is " << extent << " px in " << room << " px";
            };
            switch (c.layout->kind) {
            case qm::ControlKind::Button:
                fits(qm::WindowText(h), client.right - scaled(6), "caption");
                break;
            case qm::ControlKind::CheckBox:
            case qm::ControlKind::RadioButton:
                fits(qm::WindowText(h), client.right - scaled(13) - scaled(3), "caption");
                break;
            case qm::ControlKind::GroupBox:
                fits(qm::WindowText(h), client.right - scaled(16), "title");
                break;
            case qm::ControlKind::PhoneEdit: {
                RECT area;
                SendMessageW(h, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
                fits(qm::WindowText(h), area.right - area.left, "mask");
                break;
            }
            case qm::ControlKind::DropDownList: {
                const int entries = static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < entries; ++i) {
                    std::wstring entry(
                        static_cast<std::size_t>(SendMessageW(h, CB_GETLBTEXTLEN, i, 0)) + 1,
                        L'\0');
                    entry.resize(static_cast<std::size_t>(
                        SendMessageW(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
                    fits(entry, client.right - GetSystemMetrics(SM_CXVSCROLL) - scaled(6), "entry");
                }
                break;
            }
            case qm::ControlKind::PageControl:
                // Each tab with its caption whole, all four in one row.
                for (int i = 0; i < controls.pageCount(); ++i) {
                    wchar_t caption[128] = {};
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = caption;
                    item.cchTextMax = 128;
                    SendMessageW(h, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
                    RECT tab;
                    SendMessageW(h, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
                    fits(caption, tab.right - tab.left - scaled(6), "tab");
                    EXPECT_LE(tab.right, client.right) << "tab " << i;
                }
                break;
            case qm::ControlKind::StatusBar: {
                RECT panel;
                SendMessageW(h, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&panel));
                fits(qm::Wide(driver.window.text(qm::Id::StatusBar1)),
                     panel.right - panel.left - scaled(6), "status");
                break;
            }
            case qm::ControlKind::Label: {
                // A label is as wide as its text; it must stand whole inside
                // its group box or page.
                const qm::Id box = c.layout->parent;
                const HWND holder =
                    box != qm::Id::None && qm::Layout(box).kind == qm::ControlKind::GroupBox
                        ? controls.at(box).hwnd
                        : GetParent(h);
                const RECT inner = placeInWindow(holder, driver.window.hwnd());
                const RECT label = placeInWindow(h, driver.window.hwnd());
                EXPECT_GE(label.left, inner.left) << name;
                EXPECT_LE(label.right, inner.right) << name;
                fits(qm::WindowText(h), client.right, "text");
                break;
            }
            default:
                break;
            }
        }
    }
};

TEST_F(NativeLayout, RunsAtTheDpiAndInTheCodePageTheStageSet) {
    const char* dpi = std::getenv("QMCONF_TEST_DPI");
    const char* codePage = std::getenv("QMCONF_TEST_CODEPAGE");
    std::printf("screen DPI %d, code page %u\n", controls.dpi(), GetACP());
    EXPECT_EQ(controls.dpi(), dpi ? std::atoi(dpi) : 96);
    if (codePage) {
        EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(codePage)));
    }
}

TEST_F(NativeLayout, ClientAreaAndControlsScaleWithTheDpi) {
    RECT client;
    GetClientRect(driver.window.hwnd(), &client);
    EXPECT_EQ(client.right, scaled(617));
    EXPECT_EQ(client.bottom, scaled(468));

    // Top-level controls by their place in the client area.
    for (const qm::Id id :
         {qm::Id::BitBtn2, qm::Id::BitBtn12, qm::Id::PageControl1, qm::Id::StatusBar1}) {
        SCOPED_TRACE(qm::Layout(id).name);
        const qm::Rect want = qm::Layout(id).place;
        const RECT got = placeInWindow(controls.at(id).hwnd, driver.window.hwnd());
        EXPECT_EQ(got.left, scaled(want.x));
        EXPECT_EQ(got.top, scaled(want.y));
        EXPECT_EQ(got.right - got.left, scaled(want.width));
        EXPECT_EQ(got.bottom - got.top, scaled(want.height));
    }
    // A control inside a group box, placed inside it as the table says.
    const RECT box = placeInWindow(controls.at(qm::Id::GroupBox2).hwnd, driver.window.hwnd());
    const RECT edit = placeInWindow(controls.at(qm::Id::Edit54).hwnd, driver.window.hwnd());
    const qm::Rect& laidOut = qm::Layout(qm::Id::Edit54).place;
    EXPECT_EQ(edit.left - box.left, scaled(laidOut.x));
    EXPECT_EQ(edit.top - box.top, scaled(laidOut.y));
    EXPECT_EQ(edit.right - edit.left, scaled(laidOut.width));
}

TEST_F(NativeLayout, EveryTextIsInTheScalableFaceAskedFor) {
    for (const qm::NativeControl& c : controls.all()) {
        if (c.layout->kind == qm::ControlKind::TabPage)
            continue; // its caption is the tab strip's
        LOGFONTW asked{};
        const auto font = reinterpret_cast<HFONT>(SendMessageW(c.hwnd, WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectW(font, sizeof asked, &asked), static_cast<int>(sizeof asked))
            << c.layout->name;
        const Measure m = measure(c.hwnd, L"Ж");
        // The face itself, not one the system put in its place, and one
        // that scales: a raster face keeps its one size at any DPI.
        EXPECT_EQ(m.face, asked.lfFaceName) << c.layout->name;
        EXPECT_TRUE(m.metrics.tmPitchAndFamily & TMPF_TRUETYPE) << c.layout->name;
        EXPECT_EQ(m.metrics.tmCharSet, RUSSIAN_CHARSET) << c.layout->name;
        // The character height the layout gives, scaled (the face's ascent
        // and descent are rounded each on its own).
        const qm::Font& f = c.layout->font.face.empty() ? qm::FormWindow().font : c.layout->font;
        EXPECT_NEAR(m.metrics.tmHeight - m.metrics.tmInternalLeading, scaled(f.pixelHeight), 1)
            << c.layout->name;
        EXPECT_EQ(m.metrics.tmWeight, f.bold ? FW_BOLD : FW_NORMAL) << c.layout->name;
    }
}

TEST_F(NativeLayout, EveryTextIsWholeWithEachCurrencysCaptions) {
    expectTextsWhole(); // the start texts
    driver.click("BitBtn1");
    for (int currency = 0; currency < 4; ++currency) {
        SCOPED_TRACE("currency " + std::to_string(currency));
        driver.pickTab(1);
        driver.pickEntry("ComboBox35", currency);
        ASSERT_EQ(driver.entry("ComboBox35"), currency);
        expectTextsWhole();
    }
}

TEST_F(NativeLayout, NoLabelStandsOverAField) {
    driver.click("BitBtn1");
    driver.pickTab(1);
    driver.pickEntry("ComboBox35", 3); // the longest unit captions
    for (const qm::NativeControl& label : controls.all()) {
        if (label.layout->kind != qm::ControlKind::Label)
            continue;
        const RECT l = placeInWindow(label.hwnd, driver.window.hwnd());
        for (const qm::NativeControl& field : controls.all()) {
            if (!isField(field.layout->kind) || GetParent(field.hwnd) != GetParent(label.hwnd))
                continue;
            const RECT f = placeInWindow(field.hwnd, driver.window.hwnd());
            RECT common;
            EXPECT_FALSE(IntersectRect(&common, &l, &f))
                << label.layout->name << " \"" << label.layout->text << "\" (" << l.left << ".."
                << l.right << ") over " << field.layout->name << " (" << f.left << ".." << f.right
                << ")";
        }
    }
}

TEST_F(NativeLayout, EveryGroupBoxsTitleBreaksItsFrameWhole) {
    // As drawn on the screen: above the frame's line only the title stands;
    // on the line, the frame stays off the title from its first column to
    // its last.
    for (const qm::NativeControl& c : controls.all()) {
        if (c.layout->kind != qm::ControlKind::GroupBox)
            continue;
        driver.pickTab(qm::PageOf(c.layout->id));
        RedrawWindow(driver.window.hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        qm::PumpMessages(driver.window);
        const int line = measure(c.hwnd, L"Ж").metrics.tmHeight / 2 - 1;
        RECT box;
        GetClientRect(c.hwnd, &box);
        HDC dc = GetDC(c.hwnd);
        const COLORREF face = GetPixel(dc, box.right / 2, box.bottom / 2);
        const COLORREF frame = GetSysColor(COLOR_3DSHADOW);
        int first = box.right;
        int last = -1;
        for (int y = 0; y < line; ++y)
            for (int x = 1; x < box.right - 1; ++x)
                if (GetPixel(dc, x, y) != face) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        ASSERT_LT(first, last) << c.layout->name << ": no title drawn";
        for (int x = first - 1; x <= last + 1; ++x)
            EXPECT_NE(GetPixel(dc, x, line), frame)
                << c.layout->name << " \"" << c.layout->text << "\": the frame at column " << x
                << " crosses the title (" << first << ".." << last << ")";
        ReleaseDC(c.hwnd, dc);
    }
}

// A screen reader names a box by the label that stands right before it: its
// own label, or a hidden one with the name where the window shows none.
TEST_F(NativeLayout, EachSettingsBoxHasItsNameRightBeforeIt) {
    for (const qm::NativeControl& c : controls.all()) {
        const qm::ControlKind kind = c.layout->kind;
        if (!qm::RuleOf(*c.layout) ||
            (kind != qm::ControlKind::Edit && kind != qm::ControlKind::PhoneEdit &&
             kind != qm::ControlKind::DropDownList))
            continue;
        HWND label = GetWindow(c.hwnd, GW_HWNDPREV);
        wchar_t className[16] = {};
        GetClassNameW(label, className, 16);
        EXPECT_EQ(lstrcmpiW(className, L"STATIC"), 0) << c.layout->name;
        const std::string name = qm::AccessibleName(*c.layout);
        EXPECT_EQ(qm::Utf8(qm::WindowText(label)), name.empty() ? qm::CaptionOf(*c.layout) : name)
            << c.layout->name;
        const bool shows = (GetWindowLongPtrW(label, GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(shows, name.empty()) << c.layout->name;
    }
}

} // namespace
} // namespace qmtest
