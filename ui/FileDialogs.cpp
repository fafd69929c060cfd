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

QString RunFileDialog(QWidget* parent, FileDialogKind kind) {
    if (hook())
        return hook()(kind);

    const bool open = kind == FileDialogKind::Open;
    QFileDialog dialog(parent);
    dialog.setObjectName(open ? QStringLiteral("OpenDialog1") : QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The save pattern has no dot: it lists every file whose name ends in "ini".
    dialog.setNameFilter(open ? QStringLiteral("Файлы инициализации (*.ini)")
                              : QStringLiteral("Файлы инициализации (*ini)"));
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    dialog.selectFile(QStringLiteral("set.ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

FileDialogHook SetFileDialogHook(FileDialogHook next) {
    return std::exchange(hook(), std::move(next));
}

} // namespace qm
