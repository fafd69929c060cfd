#include "TForm1.h"

#include "Appearance.h"
#include "Dialogs.h"
#include "PhoneEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace qm {

namespace {

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string u(const QString& text) {
    return text.toStdString();
}

// The keys that turn the pages (PageTurn): Ctrl with Tab, PgDn or PgUp, no Alt.
std::optional<PageTurn> turnOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers();
    if (!(held & Qt::ControlModifier) || (held & Qt::AltModifier))
        return std::nullopt;
    const int k = key.key();
    if (k == Qt::Key_PageDown || (k == Qt::Key_Tab && !(held & Qt::ShiftModifier)))
        return PageTurn::Next;
    if (k == Qt::Key_PageUp || k == Qt::Key_Backtab || k == Qt::Key_Tab)
        return PageTurn::Previous;
    return std::nullopt;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), widgets_(BuildForm(*this, &status_)) {
    form_ = std::make_unique<Form>(*this);
    connectReports();
    // Every key of the window comes by eventFilter first.
    qApp->installEventFilter(this);
}

TForm1::~TForm1() = default;

Id TForm1::idOf(const QObject* w) const {
    for (const Control& c : FormControls())
        if (widget(c.id) == w)
            return c.id;
    return Id::None;
}

// Reports to the form what the user did; what the form itself set, the
// form knows for its own.
void TForm1::connectReports() {
    Form& form = *form_;
    for (const Control& c : FormControls()) {
        QWidget* w = widget(c.id);
        const Id id = c.id;
        if (auto* phone = qobject_cast<PhoneEdit*>(w)) {
            connect(phone, &PhoneEdit::typed, this,
                    [&form, id](char32_t ch) { form.phoneTyped(id, ch); });
            connect(phone, &PhoneEdit::keyPressed, this,
                    [&form, id](PhoneKey key) { form.phoneKey(id, key); });
            connect(phone, &PhoneEdit::pasteRequested, this,
                    [&form, id](const QString& text) { form.pasted(id, u(text)); });
            connect(phone, &PhoneEdit::clickedIn, this, [&form, id] { form.clicked(id); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            connect(edit, &QLineEdit::textChanged, this, [&form, id] { form.typed(id); });
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            connect(button, &QPushButton::clicked, this, [&form, id] { form.clicked(id); });
        } else if (auto* box = qobject_cast<QAbstractButton*>(w)) {
            connect(box, &QAbstractButton::toggled, this,
                    [&form, id](bool on) { form.toggled(id, on); });
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            connect(list, &QComboBox::activated, this,
                    [&form, id](int entry) { form.picked(id, entry); });
        } else if (auto* pages = qobject_cast<QTabWidget*>(w)) {
            connect(pages, &QTabWidget::currentChanged, this,
                    [&form](int page) { form.pageChanged(page); });
        }
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    // The page keys turn the pages from anywhere in the window, whichever of
    // its widgets has the focus: the form has them before any widget does.
    if (const std::optional<PageTurn> turn = turnOf(*static_cast<QKeyEvent*>(event))) {
        form_->pageTurned(*turn);
        return true;
    }
    // Enter, and the arrows of a sensor pair, in a settings control.
    const Id id = idOf(watched);
    if (id == Id::None || !RuleOf(Layout(id)))
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Enter only moves the focus: the key then goes on to the control as
    // usual. Shift, Ctrl and Alt do not matter.
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        form_->enterPressed(id);
    const bool arrow =
        key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (arrow && Layout(id).kind == ControlKind::RadioButton) {
        form_->arrowPressed(id);
        return true;
    }
    return false;
}

// The form's view.

std::string TForm1::text(Id control) const {
    QWidget* w = control == Id::StatusBar1 ? status_ : widget(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return u(edit->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return u(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return u(button->text());
    return {};
}

void TForm1::setText(Id control, const std::string& text) {
    QWidget* w = widget(control);
    if (control == Id::StatusBar1) {
        status_->setText(q(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != q(text))
            edit->setText(q(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(q(text));
        label->adjustSize(); // a label's size follows its text
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(q(text));
    }
}

bool TForm1::checked(Id control) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    return button && button->isChecked();
}

void TForm1::setChecked(Id control, bool on) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget(control)))
        button->setChecked(on);
}

int TForm1::entry(Id control) const {
    auto* list = qobject_cast<QComboBox*>(widget(control));
    return list ? list->currentIndex() : -1;
}

void TForm1::setEntry(Id control, int position) {
    if (auto* list = qobject_cast<QComboBox*>(widget(control)))
        list->setCurrentIndex(position);
}

bool TForm1::enabled(Id control) const {
    return widget(control)->isEnabled();
}

void TForm1::setEnabled(Id control, bool on) {
    widget(control)->setEnabled(on);
}

bool TForm1::shown(Id control) const {
    return !widget(control)->isHidden();
}

void TForm1::setShown(Id control, bool on) {
    widget(control)->setVisible(on);
}

void TForm1::setBackground(Id control, Background look) {
    SetBackground(
        widget(control),
        ToolkitColour(look == Background::Start ? Colour::Light3D : Colour::Window, *this));
}

int TForm1::caret(Id control) const {
    auto* edit = qobject_cast<QLineEdit*>(widget(control));
    return edit ? edit->cursorPosition() : 0;
}

void TForm1::setCaret(Id control, int position) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget(control)))
        edit->setCursorPosition(position);
}

Selection TForm1::selection(Id control) const {
    auto* edit = qobject_cast<QLineEdit*>(widget(control));
    if (!edit || !edit->hasSelectedText())
        return {};
    return {edit->selectionStart(), static_cast<int>(edit->selectedText().size())};
}

int TForm1::page() const {
    return static_cast<QTabWidget*>(widget(Id::PageControl1))->currentIndex();
}

void TForm1::setPage(int page) {
    static_cast<QTabWidget*>(widget(Id::PageControl1))->setCurrentIndex(page);
}

Id TForm1::focused() const {
    const QWidget* w = focusWidget();
    // The tab strip has the focus for its page control.
    if (w && w->parentWidget() && w->parentWidget()->focusProxy() == w)
        w = w->parentWidget();
    return idOf(w);
}

void TForm1::setFocus(Id control, FocusWay way) {
    widget(control)->setFocus(way == FocusWay::Step ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

void TForm1::setTabStop(Id control, bool on) {
    widget(control)->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TForm1::repaint() {
    QWidget::repaint();
}

void TForm1::showBox(BoxKind kind, const std::string& text) noexcept {
    try {
        ShowBox(this, kind, q(text));
    } catch (...) {
        // Reporting must not fail the operation that reports.
    }
}

std::string TForm1::runFileDialog(const FileDialogSetup& dialog) {
    const QString path = RunFileDialog(this, dialog);
    return path.isEmpty() ? std::string() : u(QDir::toNativeSeparators(path));
}

void TForm1::close() {
    QWidget::close();
}

} // namespace qm
