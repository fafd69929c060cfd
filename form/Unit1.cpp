// The five data commands of the window and the two operations that four of
// them share: loading a settings image into the record and storing the
// record as a settings image, with progress and outcome in the status line.
#include "Form.h"

#include "Image_transfer.h"
#include "Set_def.h"
#include "Settings.h"
#include "Transfer_texts.h"

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

void Form::StoreImage(const std::string& path, const std::function<void()>& beforeTarget) {
    CommandsBusy busy(view_);
    view_.setStatus("Идёт запись в " + path);
    view_.repaint();
    // A board never labelled gets the label typed into the serial entry.
    const bool withSerial = view_.shown(Id::Edit21);
    const ImageResult result = WriteImage(path, record_, withSerial, *this, beforeTarget);
    const bool written = result == ImageResult::Success || result == ImageResult::WrittenUnchecked;
    if (withSerial && written) {
        // Only now has the entry done its work; after any failure it stays,
        // label and all, so the next store writes the label again. Emptying
        // it runs its rule, which empties the label and the captions.
        showText(Id::Edit21, std::string());
        view_.setShown(Id::Edit21, false);
        view_.setEnabled(Id::Edit21, false);
    }
    if (result == ImageResult::Success)
        view_.setStatus("Настройки записаны в " + path);
    else
        reportFailure(result, path); // a store not checked is reported as such
}

void Form::LoadImage(const std::string& path, std::string* imageRead) {
    CommandsBusy busy(view_);
    view_.setStatus("Идёт чтение из " + path);
    view_.repaint();
    ImageRead read = ReadImage(path, *this);
    if (read.result == ImageResult::Success) {
        // The reader's record replaces the window's, counted as modified.
        record_ = read.record;
        modified_ = 1;
        if (imageRead)
            *imageRead = std::move(read.bytes);
        Show_all();
        view_.setStatus("Настройки прочитаны из " + path);
    } else {
        reportFailure(read.result, path);
    }
}

void Form::reportFailure(ImageResult result, const std::string& path) {
    const FailureTexts* texts = FailureTextsOf(result);
    if (!texts)
        return;
    view_.setStatus(texts->status + path + (texts->statusNote ? texts->statusNote : ""));
    if (texts->message)
        showMessage(texts->message, texts->namesTempFile ? TempFilePath() : path);
}

void Form::BitBtn1Click() {
    view_.setEnabled(Id::BitBtn8, true);
    view_.setEnabled(Id::BitBtn3, true);
    record_ = Set_def();
    modified_ = 1;
    Show_all();
    view_.setStatus("Все настройки установлены \"по умолчанию\" ");
}

void Form::BitBtn2Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    std::string image;
    LoadImage(path, &image);
    if (!image.empty())
        archive_.keepRead(image);
}

void Form::BitBtn3Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    // What the board holds when the store writes it is about to be lost.
    StoreImage(path, [&] { archive_.keepBeforeWrite(path); });
}

void Form::BitBtn11Click() {
    const std::string path = view_.runFileDialog(kOpenDialog1);
    if (!path.empty())
        LoadImage(path);
}

void Form::BitBtn8Click() {
    const std::string path = view_.runFileDialog(kSaveDialog1);
    if (path.empty())
        return;
    // The board's own set.ini, chosen by its drive or mount point, is the
    // board all the same: what it holds is kept before it is overwritten.
    if (IsBoardSettingsPath(*volumes_(), path))
        StoreImage(path, [&] { archive_.keepBeforeWrite(path); });
    else
        StoreImage(path);
}

void Form::BitBtn12Click() {
    // Nothing is saved on the way out: what was not stored is left behind.
    view_.close();
}

} // namespace qm
