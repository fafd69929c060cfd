#include "PhoneEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace qm {

PhoneEdit::PhoneEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    // No input method composes into the box: every character comes as a key.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PhoneEdit::cut() {
    if (!hasSelectedText())
        return;
    copy();
    emit keyPressed(PhoneKey::Delete);
}

void PhoneEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (event == QKeySequence::Paste) {
        emit pasteRequested(QApplication::clipboard()->text());
    } else if (event == QKeySequence::Cut) {
        cut();
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        emit keyPressed(event->key() == Qt::Key_Backspace ? PhoneKey::Backspace : PhoneKey::Delete);
    } else if (!text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0) != QChar(0x7F) &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (const char32_t c : text.toUcs4())
            emit typed(c);
    } else {
        // Moving and selecting; what would change the text is undone.
        const QString before = QLineEdit::text();
        const int caret = cursorPosition();
        QLineEdit::keyPressEvent(event);
        if (QLineEdit::text() != before) {
            setText(before);
            setCursorPosition(caret);
        }
        return;
    }
    event->accept();
}

void PhoneEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        emit pasteRequested(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !hasSelectedText())
        emit clickedIn();
}

void PhoneEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's editing would change the text by the edit's own
    // rules: its paste, cut and delete go to the form, its undo is none.
    for (QAction* action : menu->actions()) {
        const QString label = action->text().section(u'\t', 0, 0);
        const bool paste = label == QLineEdit::tr("&Paste");
        const bool cutting = label == QLineEdit::tr("Cu&t");
        const bool deleting = label == QLineEdit::tr("Delete");
        if (label == QLineEdit::tr("&Undo") || label == QLineEdit::tr("&Redo"))
            action->setEnabled(false);
        if (!paste && !cutting && !deleting)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this, paste, cutting] {
            if (paste)
                emit pasteRequested(QApplication::clipboard()->text());
            else if (cutting)
                cut();
            else
                emit keyPressed(PhoneKey::Delete);
        });
    }
    menu->popup(event->globalPos());
}

} // namespace qm
