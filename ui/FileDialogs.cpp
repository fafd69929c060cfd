#include "FileDialogs.h"

#include "Form.h"

#include <QFileDialog>

#include <utility>

namespace qm {

namespace {
FileDialogHook& hook() {
    static FileDialogHook instance;
    return instance;
}
} // namespace

QString RunFileDialog(QWidget* parent, const FileDialogSpec& spec) {
    if (hook())
        return hook()(spec.kind);

    const bool open = spec.kind == FileDialogKind::Open;
    QFileDialog dialog(parent);
    dialog.setObjectName(QString::fromUtf8(spec.name));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    dialog.setNameFilter(QString::fromUtf8(spec.filter));
    dialog.setDefaultSuffix(QString::fromUtf8(spec.defaultExt));
    dialog.selectFile(QString::fromUtf8(spec.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString RunFileDialog(QWidget* parent, FileDialogKind kind) {
    return RunFileDialog(parent, FileDialogOf(kind));
}

FileDialogHook SetFileDialogHook(FileDialogHook next) {
    return std::exchange(hook(), std::move(next));
}

} // namespace qm
