#include "PhoneEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace qm {

namespace {

// Qt's own mask notation for a form: "0" is an optional digit there.
QString qtMask(PhoneForm form) {
    QString mask = QString::fromLatin1(PhonePattern(form));
    mask.replace(u'9', u'0');
    return mask + u';' + QChar::fromLatin1(kPhoneUnfilled);
}

} // namespace

PhoneEdit::PhoneEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    setShown(QString::fromStdString(PhoneLayOut(Form::International, "")));
    setCursorPosition(0);
}

PhoneEdit::Form PhoneEdit::form() const {
    return PhoneFormOfShown(displayText().toStdString());
}

QString PhoneEdit::value() const {
    return QString::fromStdString(PhoneValueOf(displayText().toStdString()));
}

void PhoneEdit::setShown(const QString& shown) {
    const QString mask = qtMask(PhoneFormOfShown(shown.toStdString()));
    if (inputMask() != mask)
        setInputMask(mask);
    setText(shown);
}

void PhoneEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        emit pasteRequested(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PhoneEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && !hasSelectedText())
        emit clickedIn();
}

void PhoneEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        emit pasteRequested(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PhoneEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's paste would lay a written number out by Qt's own
    // mask rules; hand it to the form instead.
    const QString pasteLabel = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteLabel)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { emit pasteRequested(QApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

} // namespace qm
