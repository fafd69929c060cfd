#include "Dialogs.h"

#include "Form.h"

#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace qm {

namespace {

BoxHook boxHook;
FileDialogHook fileDialogHook;

} // namespace

void ShowBox(QWidget* parent, BoxKind kind, const QString& text) {
    const QString title = QString::fromUtf8(ProgramTitle());
    if (boxHook) {
        boxHook(kind, title, text);
        return;
    }
    QMessageBox box(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::Warning, title,
                    text, QMessageBox::Ok, parent);
    // Paths and texts from a board or a file are shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup) {
    if (fileDialogHook)
        return fileDialogHook(setup.kind);

    const bool open = setup.kind == FileDialogKind::Open;
    QFileDialog dialog(parent);
    dialog.setObjectName(QString::fromUtf8(setup.name));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.confirmOverwrite);
    dialog.setNameFilter(QString::fromUtf8(setup.filter));
    dialog.setDefaultSuffix(QString::fromUtf8(setup.defaultExt));
    dialog.selectFile(QString::fromUtf8(setup.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

BoxHook SetBoxHook(BoxHook next) {
    return std::exchange(boxHook, std::move(next));
}

FileDialogHook SetFileDialogHook(FileDialogHook next) {
    return std::exchange(fileDialogHook, std::move(next));
}

} // namespace qm
