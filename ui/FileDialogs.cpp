#include "FileDialogs.h"

#include <QFileDialog>

#include <utility>

namespace qm {

namespace {
FileDialogHook& hook() {
    static FileDialogHook instance;
    return instance;
}
} // namespace

QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup) {
    if (hook())
        return hook()(setup.kind);

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

FileDialogHook SetFileDialogHook(FileDialogHook next) {
    return std::exchange(hook(), std::move(next));
}

} // namespace qm
