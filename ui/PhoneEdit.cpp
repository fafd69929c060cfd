#include "PhoneEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>

namespace qm {

namespace {

constexpr QChar kUnfilled = u'_';

bool isSlot(QChar maskChar) {
    return PhoneIsSlot(maskChar.toLatin1());
}

bool takes(QChar maskChar, QChar c) {
    return PhoneSlotTakes(maskChar.toLatin1(), c.unicode());
}

// Qt's own mask notation for the same form: "0" is an optional digit there.
QString qtMask(PhoneEdit::Form form) {
    QString mask = PhoneEdit::Pattern(form);
    mask.replace(u'9', u'0');
    return mask + u';' + kUnfilled;
}

QString display(PhoneEdit::Form form, const QString& value) {
    const QString pattern = PhoneEdit::Pattern(form);
    QString shown;
    int slot = 0;
    for (const QChar m : pattern) {
        if (!isSlot(m)) {
            shown += m;
            continue;
        }
        const QChar c = slot < value.size() ? value[slot] : kUnfilled;
        shown += takes(m, c) ? c : kUnfilled;
        ++slot;
    }
    return shown;
}

// The cells of a value, blanks for unfilled ones.
QString valueOf(PhoneEdit::Form form, const QString& shown) {
    const QString pattern = PhoneEdit::Pattern(form);
    QString value;
    for (int i = 0; i < pattern.size(); ++i) {
        if (!isSlot(pattern[i]))
            continue;
        const QChar c = i < shown.size() ? shown[i] : kUnfilled;
        value += takes(pattern[i], c) ? c : QChar(u' ');
    }
    while (value.endsWith(u' '))
        value.chop(1);
    return value;
}

} // namespace

PhoneEdit::PhoneEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &PhoneEdit::onTextChanged);
    layOut(form_, QString(), 0);
}

QString PhoneEdit::Pattern(Form form) {
    return QString::fromLatin1(PhonePattern(form));
}

PhoneEdit::Form PhoneEdit::FormFor(const QString& value) {
    return PhoneFormFor(value.toStdString());
}

QString PhoneEdit::value() const {
    return value_;
}

void PhoneEdit::setForm(Form form) {
    if (form == form_)
        return;
    layOut(form, value_, slotAtOrAfter(cursorPosition()));
}

void PhoneEdit::setValue(const QString& value) {
    layOut(FormFor(value), value, static_cast<int>(value.size()));
}

void PhoneEdit::pasteText(const QString& text) {
    QString cells = valueOf(form_, displayText());
    int first = slotAtOrAfter(hasSelectedText() ? selectionStart() : cursorPosition());
    if (hasSelectedText()) {
        const int end = slotAtOrAfter(selectionStart() + static_cast<int>(selectedText().size()));
        for (int k = first; k < end && k < cells.size(); ++k)
            cells[k] = u' ';
    }
    const QString phone = QString::fromStdString(PhoneTyped(text.toStdString(), first == 0));
    if (phone.isEmpty())
        return;
    while (cells.size() < first)
        cells += u' ';
    cells.replace(first, std::min(phone.size(), cells.size() - first), phone);
    // The form follows the new first character before the layout, so that a
    // whole international number pasted over a domestic one keeps every digit.
    layOut(FormFor(cells), cells, first + static_cast<int>(phone.size()));
}

void PhoneEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        pasteText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PhoneEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    // A click past the last typed character puts the caret right after it,
    // at the first free position: typing there would leave blanks before the
    // number. Gaps among the typed characters stay possible, made on purpose
    // with the arrow keys or by a click among them.
    if (event->button() == Qt::LeftButton && !hasSelectedText()) {
        const int firstFree = positionOfSlot(static_cast<int>(value_.size()));
        if (cursorPosition() > firstFree)
            setCursorPosition(firstFree);
    }
}

void PhoneEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PhoneEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's paste would lay a written number out by Qt's own
    // mask rules; route it through pasteText.
    const QString pasteLabel = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteLabel)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteText(QApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void PhoneEdit::layOut(Form form, const QString& value, int caretSlot) {
    {
        const QScopedValueRollback<bool> guard(layingOut_, true);
        form_ = form;
        const QString mask = qtMask(form);
        if (inputMask() != mask)
            setInputMask(mask);
        setText(display(form, value));
        setCursorPosition(positionOfSlot(caretSlot));
    }
    onTextChanged();
}

void PhoneEdit::onTextChanged() {
    if (layingOut_)
        return;
    const QString shown = displayText();
    const QString value = valueOf(form_, shown);
    // Qt's mask lets through characters of other scripts that read as digits;
    // show the value exactly as it will be stored.
    if (shown != display(form_, value) && !normalizing_) {
        const QScopedValueRollback<bool> once(normalizing_, true);
        layOut(form_, value, slotAtOrAfter(cursorPosition()));
        return;
    }
    if (value == value_)
        return;
    value_ = value;
    emit valueChanged(value_);
}

int PhoneEdit::positionOfSlot(int slot) const {
    const QString pattern = Pattern(form_);
    for (int i = 0, k = 0; i < pattern.size(); ++i)
        if (isSlot(pattern[i]) && k++ == slot)
            return i;
    return static_cast<int>(pattern.size());
}

int PhoneEdit::slotAtOrAfter(int position) const {
    const QString pattern = Pattern(form_);
    int slot = 0;
    for (int i = 0; i < pattern.size() && i < position; ++i)
        if (isSlot(pattern[i]))
            ++slot;
    return slot;
}

} // namespace qm
