#include "MessageBoxes.h"

#include "Form.h"

#include <QMessageBox>

#include <utility>

namespace qm {

namespace {
BoxHook& hook() {
    static BoxHook instance;
    return instance;
}
} // namespace

QString AppTitle() {
    return QString::fromUtf8(ProgramTitle());
}

void ShowBox(QWidget* parent, BoxKind kind, const QString& text) {
    if (hook()) {
        hook()(kind, AppTitle(), text);
        return;
    }
    QMessageBox box(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    AppTitle(), text, QMessageBox::Ok, parent);
    // Paths and texts from a board or a file are shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

BoxHook SetBoxHook(BoxHook next) {
    return std::exchange(hook(), std::move(next));
}

} // namespace qm
