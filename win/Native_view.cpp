// The window as the form's view: each control shown as told, and set only
// when what it shows changes.
#include "Native_window.h"

#include "Utf16.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace qm {

namespace {

// The pattern of a filter written "Files of a kind (*.ini)": what stands in
// the brackets.
std::wstring patternOf(const std::wstring& filter) {
    const auto open = filter.rfind(L'(');
    const auto close = filter.rfind(L')');
    if (open == std::wstring::npos || close == std::wstring::npos || close < open)
        return L"*.*";
    return filter.substr(open + 1, close - open - 1);
}

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The file dialogs' library, loaded when a dialog is first asked for and
// kept: loaded at start-up, it and what it brings (the printing and shell
// libraries) cost the window some 5 MiB and part of its start. Taken from
// the system's folder by its full path, never from beside the program.
FileDialogFunction fileDialog(bool open) {
    static HMODULE library = [] {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
        return LoadLibraryW((path + L"\\comdlg32.dll").c_str());
    }();
    if (!library)
        return nullptr;
    return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void*>(
        GetProcAddress(library, open ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}

} // namespace

std::string NativeWindow::text(Id control) const {
    const HWND h = controls_->at(control).hwnd;
    if (control != Id::StatusBar1)
        return Utf8(WindowText(h));
    const int length = LOWORD(SendMessageW(h, SB_GETTEXTLENGTHW, 1, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(h, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Utf8(text);
}

void NativeWindow::setText(Id control, const std::string& t) {
    NativeControl& c = controls_->at(control);
    const std::wstring wide = Wide(t);
    if (control == Id::StatusBar1) {
        if (text(control) != t)
            SendMessageW(c.hwnd, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(wide.c_str()));
        return;
    }
    if (WindowText(c.hwnd) == wide)
        return;
    SetWindowTextW(c.hwnd, wide.c_str());
    if (c.isEdit()) // the caret after the text, as typing it would leave it
        SendMessageW(c.hwnd, EM_SETSEL, wide.size(), wide.size());
    if (c.layout->kind == ControlKind::Label)
        controls_->fitLabel(c);
}

bool NativeWindow::checked(Id control) const {
    return SendMessageW(controls_->at(control).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void NativeWindow::setChecked(Id control, bool on) {
    if (checked(control) != on)
        SendMessageW(controls_->at(control).hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int NativeWindow::entry(Id control) const {
    const LRESULT at = SendMessageW(controls_->at(control).hwnd, CB_GETCURSEL, 0, 0);
    return at == CB_ERR ? -1 : static_cast<int>(at);
}

void NativeWindow::setEntry(Id control, int position) {
    NativeControl& c = controls_->at(control);
    c.entry = position;
    if (entry(control) == position)
        return;
    // -1 shows no entry.
    SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool NativeWindow::enabled(Id control) const {
    return IsWindowEnabled(controls_->at(control).hwnd) != FALSE;
}

void NativeWindow::setEnabled(Id control, bool on) {
    const NativeControl& c = controls_->at(control);
    if (enabled(control) == on)
        return;
    const bool hadFocus = GetFocus() == c.hwnd;
    EnableWindow(c.hwnd, on);
    // A disabled control keeps no focus: it goes on to the next control, as
    // the keyboard would move it.
    if (!on && hadFocus)
        if (HWND next = GetNextDlgTabItem(hwnd_, c.hwnd, FALSE))
            SetFocus(next);
}

bool NativeWindow::shown(Id control) const {
    return (GetWindowLongPtrW(controls_->at(control).hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void NativeWindow::setShown(Id control, bool on) {
    if (shown(control) == on)
        return;
    ShowWindow(controls_->at(control).hwnd, on ? SW_SHOWNA : SW_HIDE);
}

void NativeWindow::setBackground(Id control, Background look) {
    NativeControl& c = controls_->at(control);
    if (!c.paintsLook || c.look == look)
        return;
    c.look = look;
    InvalidateRect(c.hwnd, nullptr, TRUE);
}

int NativeWindow::caret(Id control) const {
    const Selection s = selection(control);
    return s.start + s.length; // the caret stands at the selection's end
}

void NativeWindow::setCaret(Id control, int position) {
    SendMessageW(controls_->at(control).hwnd, EM_SETSEL, position, position);
}

Selection NativeWindow::selection(Id control) const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(controls_->at(control).hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

int NativeWindow::page() const {
    return static_cast<int>(
        SendMessageW(controls_->at(Id::PageControl1).hwnd, TCM_GETCURSEL, 0, 0));
}

void NativeWindow::setPage(int p) {
    if (page() == p)
        return;
    SendMessageW(controls_->at(Id::PageControl1).hwnd, TCM_SETCURSEL, static_cast<WPARAM>(p), 0);
    showPage(p);
}

void NativeWindow::showPage(int p) {
    for (int i = 0; i < controls_->pageCount(); ++i)
        if (i != p)
            ShowWindow(controls_->page(i), SW_HIDE);
    ShowWindow(controls_->page(p), SW_SHOWNA);
}

Id NativeWindow::focused() const {
    const NativeControl* c = controls_->find(GetFocus());
    return c ? c->layout->id : Id::None;
}

void NativeWindow::setFocus(Id control, FocusWay way) {
    const NativeControl& c = controls_->at(control);
    if (!enabled(control) || !shown(control))
        return;
    SetFocus(c.hwnd);
    if (way == FocusWay::Step && c.isEdit())
        SendMessageW(c.hwnd, EM_SETSEL, 0, -1);
}

void NativeWindow::setTabStop(Id control, bool on) {
    const HWND h = controls_->at(control).hwnd;
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    SetWindowLongPtrW(h, GWL_STYLE, on ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
}

void NativeWindow::repaint() {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void NativeWindow::showBox(BoxKind kind, const std::string& t) noexcept {
    try {
        if (boxHook) {
            boxHook(kind, t);
            return;
        }
        MessageBoxW(hwnd_, Wide(t).c_str(), Wide(ProgramTitle()).c_str(),
                    MB_OK | (kind == BoxKind::Error ? MB_ICONERROR : MB_ICONWARNING));
    } catch (...) {
        MessageBoxW(hwnd_, L"", nullptr, MB_OK | MB_ICONERROR);
    }
}

std::string NativeWindow::runFileDialog(const FileDialogSetup& dialog) {
    if (fileDialogHook)
        return fileDialogHook(dialog);
    const std::wstring caption = Wide(dialog.filter);
    std::wstring filter = caption + L'\0' + patternOf(caption) + L'\0';
    const std::wstring ext = Wide(dialog.defaultExt);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring start = Wide(dialog.fileName);
    start.copy(file.data(), std::min(start.size(), file.size() - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = ext.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    const bool open = dialog.kind == FileDialogKind::Open;
    if (open)
        ofn.Flags |= OFN_FILEMUSTEXIST;
    else if (dialog.confirmOverwrite)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    const FileDialogFunction run = fileDialog(open);
    if (!run)
        throw std::runtime_error("The file dialogs of Windows (comdlg32.dll) could not be loaded");
    return run(&ofn) ? Utf8(file.data()) : std::string();
}

void NativeWindow::close() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

} // namespace qm
