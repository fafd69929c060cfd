// The five data commands of the window and the two operations that four of
// them share: loading a settings image into the record and storing the
// record as a settings image, with progress and outcome in the status line.
#include "TForm1.h"

#include "Device_path.h"
#include "FileDialogs.h"
#include "Image_transfer.h"
#include "ui_TForm1.h"

#include <QDir>

namespace qm {

namespace {

// How each failure of the image procedures reaches the user: the status
// text with the path of the operation, then a box with the message text and
// the path the failure names (the temporary file or the operation's path).
struct FailureRow {
    ImageResult result;
    const char* status;
    const char* message; // none: the reader has shown its own
    bool namesTempFile;
};

const FailureRow kFailures[] = {
    {ImageResult::S1, "Ошибка при записи ", "1. Не удаётся открыть ", true},
    {ImageResult::S2, "Ошибка при записи ", "2. Не удаётся открыть ", true},
    {ImageResult::S3, "Ошибка при записи ", "3. Не удаётся открыть ", true},
    {ImageResult::S4, "Ошибка при записи ", "4. Не удаётся открыть ", true},
    {ImageResult::S5, "Ошибка при записи ", "5. Не удаётся открыть ", false},
    {ImageResult::L1, "Ошибка при чтении ", "2. Не удаётся открыть ", false},
    {ImageResult::L2, "Ошибка при чтении ", "Ошибка контрольной суммы ", false},
    {ImageResult::L3, "Ошибка при чтении ", "3. Не удаётся открыть ", true},
    {ImageResult::L4, "Не удалось прочитать ", nullptr, false},
};

} // namespace

// Keeps the five data buttons disabled while an operation runs and enables
// them again on every way out, an escaping writer error included.
class TForm1::CommandsBusy {
public:
    explicit CommandsBusy(Ui::TForm1& ui)
        : buttons_{ui.BitBtn1, ui.BitBtn2, ui.BitBtn3, ui.BitBtn8, ui.BitBtn11} {
        for (QPushButton* button : buttons_)
            button->setEnabled(false);
    }
    ~CommandsBusy() {
        for (QPushButton* button : buttons_)
            button->setEnabled(true);
    }
    CommandsBusy(const CommandsBusy&) = delete;
    CommandsBusy& operator=(const CommandsBusy&) = delete;

private:
    QPushButton* buttons_[5];
};

void TForm1::StoreImage(const QString& path) {
    CommandsBusy busy(*ui);
    setStatusText(QStringLiteral("Идёт запись в ") + path);
    repaint();
    const ImageResult result = WriteImage(path.toStdString(), serialEntry(), *this);
    if (result == ImageResult::Success)
        setStatusText(QStringLiteral("Настройки записаны в ") + path);
    else
        reportFailure(result, path);
}

void TForm1::LoadImage(const QString& path, std::string* imageRead) {
    CommandsBusy busy(*ui);
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
    for (const FailureRow& row : kFailures) {
        if (row.result != result)
            continue;
        setStatusText(QString::fromUtf8(row.status) + path);
        if (row.message)
            showMessage(row.message, row.namesTempFile ? TempFilePath() : path.toStdString());
        return;
    }
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
    // What the board holds now is about to be lost.
    archive_.keepBeforeWrite(path);
    StoreImage(QString::fromStdString(path));
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
