// The five data commands of the window and the two operations that four of
// them share: loading a settings image into the record and storing the
// record as a settings image, with progress and outcome in the status line.
#include "Form.h"

#include "Set_def.h"
#include "Settings.h"

namespace qm {

namespace {

const Id kDataButtons[] = {Id::BitBtn1, Id::BitBtn2, Id::BitBtn3, Id::BitBtn8, Id::BitBtn11};

// The save pattern has no dot: it lists every file whose name ends in "ini".
// Neither dialog asks before it overwrites.
const FileDialogSetup kOpenDialog1 = {
    FileDialogKind::Open, "OpenDialog1", "Файлы инициализации (*.ini)", "set.ini", "ini", false};
const FileDialogSetup kSaveDialog1 = {
    FileDialogKind::Save, "SaveDialog1", "Файлы инициализации (*ini)", "set.ini", "ini", false};

} // namespace

const FileDialogSetup& FileDialogOf(FileDialogKind kind) {
    return kind == FileDialogKind::Open ? kOpenDialog1 : kSaveDialog1;
}

// Keeps the five data buttons disabled while an operation runs and enables
// them again on every way out, an escaping writer error included. Disabling
// the focused button hands the focus on to "ВЫХОД", the only button left
// enabled, where one press of Space would close the editor and lose every
// edit; so at the end the focus goes back to where it was: the button that
// ran the command, or the field that had it.
class Form::CommandsBusy {
public:
    explicit CommandsBusy(View& view) : view_(view), focus_(view.focused()) {
        for (const Id button : kDataButtons)
            view_.setEnabled(button, false);
    }
    ~CommandsBusy() {
        for (const Id button : kDataButtons)
            view_.setEnabled(button, true);
        if (focus_ != Id::None && view_.enabled(focus_) && view_.shown(focus_))
            view_.setFocus(focus_, FocusWay::Back);
    }
    CommandsBusy(const CommandsBusy&) = delete;
    CommandsBusy& operator=(const CommandsBusy&) = delete;

private:
    View& view_;
    Id focus_;
};

void Form::StoreImage(const std::string& path, Medium to) {
    CommandsBusy busy(view_);
    view_.setText(Id::StatusBar1, ProgressText(Transfer::Store, path));
    view_.repaint();
    // A board never labelled gets the label typed into the serial entry.
    const bool withSerial = view_.shown(Id::Edit21);
    const ImageResult result = road_.store(path, to, record_, withSerial, *this);
    const bool written = result == ImageResult::Success || result == ImageResult::WrittenUnchecked;
    if (withSerial && written) {
        // Only now has the entry done its work; after any failure it stays,
        // label and all, so the next store writes the label again. Emptying
        // it runs its rule, which empties the label and the captions.
        showText(Id::Edit21, std::string());
        view_.setShown(Id::Edit21, false);
        view_.setEnabled(Id::Edit21, false);
    }
    showOutcome(OutcomeOf(Transfer::Store, result, path));
}

void Form::LoadImage(const std::string& path, Medium from) {
    CommandsBusy busy(view_);
    view_.setText(Id::StatusBar1, ProgressText(Transfer::Load, path));
    view_.repaint();
    ImageRead read = road_.load(path, from, *this);
    if (read.result == ImageResult::Success) {
        // The reader's record replaces the window's, counted as modified.
        record_ = read.record;
        modified_ = 1;
        Show_all(); // which blanks the status line before the outcome is shown
    }
    showOutcome(OutcomeOf(Transfer::Load, read.result, path));
}

void Form::showOutcome(const TransferOutcome& outcome) {
    view_.setText(Id::StatusBar1, outcome.status);
    if (outcome.message)
        showMessage(outcome.message, outcome.messagePath);
}

void Form::BitBtn1Click() {
    view_.setEnabled(Id::BitBtn8, true);
    view_.setEnabled(Id::BitBtn3, true);
    record_ = Set_def();
    modified_ = 1;
    Show_all();
    view_.setText(Id::StatusBar1, "Все настройки установлены \"по умолчанию\" ");
}

void Form::BitBtn2Click() {
    const std::string path = FindDevicePath(*road_.volumes(), *this);
    if (path != kNoDevice)
        LoadImage(path, Medium::Board);
}

void Form::BitBtn3Click() {
    const std::string path = FindDevicePath(*road_.volumes(), *this);
    if (path != kNoDevice)
        StoreImage(path, Medium::Board);
}

void Form::BitBtn11Click() {
    const std::string path = view_.runFileDialog(kOpenDialog1);
    if (!path.empty())
        LoadImage(path);
}

void Form::BitBtn8Click() {
    // The board's own set.ini, chosen by its drive or mount point, is the
    // board all the same: the store keeps what it holds first.
    const std::string path = view_.runFileDialog(kSaveDialog1);
    if (!path.empty())
        StoreImage(path);
}

void Form::BitBtn12Click() {
    // Nothing is saved on the way out: what was not stored is left behind.
    view_.close();
}

} // namespace qm
