// The window's native controls, made from the layout table: one entry per
// layout control with its handle, its font and the look it shows now.
#pragma once

#include "Layout.h"
#include "View.h"

#include <map>
#include <string>
#include <vector>

struct HWND__;
struct HFONT__;
struct HBRUSH__;
struct HDC__;
struct tagRECT;

namespace qm {

using Hwnd = HWND__*;

// The window class of the tab pages: button-face pages that hand their
// controls' notifications to the main window (Native_window.cpp).
inline constexpr wchar_t kPageClass[] = L"QmconfPage";

struct NativeControl {
    const Control* layout = nullptr;
    Hwnd hwnd = nullptr;
    HFONT__* font = nullptr;
    bool paintsLook = false; // its background follows the Background looks
    Background look = Background::Working;
    int entry = -1; // a list's entry as last shown or picked

    bool isEdit() const {
        return layout->kind == ControlKind::Edit || layout->kind == ControlKind::PhoneEdit;
    }
};

// The text of a window.
std::wstring WindowText(Hwnd hwnd);

class Controls {
public:
    // Makes every control of the layout in tab order on the window, scaled
    // from 96 DPI to dpi. A box that no label names has a hidden label
    // before it with the name a screen reader says.
    Controls(Hwnd window, int dpi);
    ~Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    NativeControl& at(Id control) { return controls_[static_cast<std::size_t>(control)]; }
    const NativeControl& at(Id control) const {
        return controls_[static_cast<std::size_t>(control)];
    }
    NativeControl* find(Hwnd hwnd); // null for a window that is no control of the layout
    std::vector<NativeControl>& all() { return controls_; }

    Hwnd page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    int dpi() const { return dpi_; }
    int scaled(int pixels) const;

    // Sizes a label to its caption in its own font.
    void fitLabel(const NativeControl& label) const;
    // Hands a mouse's message (a MSG of the platform) to the tool-tips.
    void relayToTooltips(const void* message) const;
    // The brush and colours a control paints its face with, for the
    // WM_CTLCOLOR* messages; null for the system's usual ones.
    HBRUSH__* paint(Hwnd control, void* dc) const;

private:
    HFONT__* fontFor(const Font& font);
    // The place (left, top, width, height) a label takes on its parent for
    // its text in its font.
    struct tagRECT labelPlace(const Control& label, const std::wstring& text, HFONT__* font) const;
    void make(const Control& c);
    Rect placeOnParent(const Control& c, Hwnd* parent) const;

    Hwnd window_;
    int dpi_;
    Hwnd tooltip_ = nullptr;
    std::vector<Hwnd> pages_;
    std::vector<NativeControl> controls_; // by Id
    std::map<std::string, HFONT__*> fonts_;
    HBRUSH__* light3D_ = nullptr;
    HBRUSH__* windowBrush_ = nullptr;
    HBRUSH__* face_ = nullptr;
    HDC__* measuring_ = nullptr;
};

} // namespace qm
