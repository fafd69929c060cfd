// The five data commands of the window and the two operations that four of
// them share: loading a settings image into the record and storing the
// record as a settings image, with progress and outcome in the status line.
#include "TForm1.h"

#include "Device_path.h"
#include "FileDialogs.h"
#include "Image_transfer.h"
#include "Transfer_texts.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>

namespace qm {

// Keeps the five data buttons disabled while an operation runs and enables
// them again on every way out, an escaping writer error included. Disabling
// the focused button hands the focus on to "ВЫХОД", the only button left
// enabled, where one press of Space would close the editor and lose every
// edit; so at the end the focus goes back to where it was: the button that
// ran the command, or the field that had it.
class TForm1::CommandsBusy {
public:
    explicit CommandsBusy(TForm1& form)
        : buttons_{form.widget<QPushButton>("BitBtn1"), form.widget<QPushButton>("BitBtn2"),
                   form.widget<QPushButton>("BitBtn3"), form.widget<QPushButton>("BitBtn8"),
                   form.widget<QPushButton>("BitBtn11")},
          focus_(form.window()->focusWidget()) {
        for (QPushButton* button : buttons_)
            button->setEnabled(false);
    }
    ~CommandsBusy() {
        for (QPushButton* button : buttons_)
            button->setEnabled(true);
        if (focus_ && focus_->isEnabled() && focus_->isVisible())
            focus_->setFocus(Qt::OtherFocusReason);
    }
    CommandsBusy(const CommandsBusy&) = delete;
    CommandsBusy& operator=(const CommandsBusy&) = delete;

private:
    QPushButton* buttons_[5];
    QPointer<QWidget> focus_; // gone with its widget
};

void TForm1::StoreImage(const QString& path, const std::function<void()>& beforeTarget) {
    CommandsBusy busy(*this);
    setStatusText(QStringLiteral("Идёт запись в ") + path);
    repaint();
    const ImageResult result = WriteImage(path.toStdString(), serialEntry(), *this, beforeTarget);
    if (result == ImageResult::Success)
        setStatusText(QStringLiteral("Настройки записаны в ") + path);
    else
        reportFailure(result, path);
}

void TForm1::LoadImage(const QString& path, std::string* imageRead) {
    CommandsBusy busy(*this);
    setStatusText(QStringLiteral("Идёт чтение из ") + path);
    repaint();
    const ImageResult result = ReadImage(path.toStdString(), *this, imageRead);
    if (result == ImageResult::Success) {
        Show_all();
        setStatusText(QStringLiteral("Настройки прочитаны из ") + path);
    } else {
        reportFailure(result, path);
    }
}

void TForm1::reportFailure(ImageResult result, const QString& path) {
    const FailureTexts* texts = FailureTextsOf(result);
    if (!texts)
        return;
    setStatusText(QString::fromUtf8(texts->status) + path);
    if (texts->message)
        showMessage(texts->message, texts->namesTempFile ? TempFilePath() : path.toStdString());
}

void TForm1::BitBtn2Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    std::string image;
    LoadImage(QString::fromStdString(path), &image);
    if (!image.empty())
        archive_.keepRead(image);
}

void TForm1::BitBtn3Click() {
    const std::string path = FindDevicePath(*volumes_(), *this);
    if (path == kNoDevice)
        return;
    // What the board holds when the store writes it is about to be lost.
    StoreImage(QString::fromStdString(path), [&] { archive_.keepBeforeWrite(path); });
}

void TForm1::BitBtn11Click() {
    const QString path = RunFileDialog(this, FileDialogKind::Open);
    if (!path.isEmpty())
        LoadImage(QDir::toNativeSeparators(path));
}

void TForm1::BitBtn8Click() {
    const QString path = RunFileDialog(this, FileDialogKind::Save);
    if (!path.isEmpty())
        StoreImage(QDir::toNativeSeparators(path));
}

void TForm1::setVolumeSource(VolumeSource source) {
    volumes_ = std::move(source);
}

} // namespace qm
