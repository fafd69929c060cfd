#include "WidgetView.h"

#include "AccessibleNames.h"
#include "Appearance.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "PhoneEdit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <stdexcept>

namespace qm {

namespace {

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string u(const QString& text) {
    return text.toStdString();
}

} // namespace

class WidgetView::Applying {
public:
    explicit Applying(WidgetView& view) : view_(view) { ++view_.applying_; }
    ~Applying() { --view_.applying_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    WidgetView& view_;
};

WidgetView::WidgetView(QWidget& window) : window_(window) {
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            controls_.emplace(u(w->objectName()), w);
}

QWidget* WidgetView::find(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* WidgetView::widget(std::string_view name) const {
    if (QWidget* w = find(name))
        return w;
    throw std::logic_error("The window has no control " + std::string(name));
}

std::string WidgetView::text(std::string_view control) const {
    QWidget* w = widget(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return u(qobject_cast<PhoneEdit*>(w) ? edit->displayText() : edit->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return u(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return u(button->text());
    return {};
}

void WidgetView::setText(std::string_view control, const std::string& text) {
    const Applying applying(*this);
    QWidget* w = widget(control);
    if (auto* phone = qobject_cast<PhoneEdit*>(w)) {
        if (phone->displayText() != q(text))
            phone->setShown(q(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != q(text))
            edit->setText(q(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        SetCaption(label, q(text));
        if (control == "Label40") // the money column's boxes are named after it
            NameGridBoxes(window_);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(q(text));
    }
}

bool WidgetView::checked(std::string_view control) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    return button && button->isChecked();
}

void WidgetView::setChecked(std::string_view control, bool on) {
    const Applying applying(*this);
    if (auto* button = qobject_cast<QAbstractButton*>(widget(control)))
        button->setChecked(on);
}

int WidgetView::entry(std::string_view control) const {
    auto* list = qobject_cast<QComboBox*>(widget(control));
    return list ? list->currentIndex() : -1;
}

void WidgetView::setEntry(std::string_view control, int position) {
    const Applying applying(*this);
    if (auto* list = qobject_cast<QComboBox*>(widget(control)))
        list->setCurrentIndex(position);
}

bool WidgetView::enabled(std::string_view control) const {
    const QWidget* w = find(control);
    return w && w->isEnabled();
}

void WidgetView::setEnabled(std::string_view control, bool on) {
    const Applying applying(*this);
    widget(control)->setEnabled(on);
}

bool WidgetView::shown(std::string_view control) const {
    const QWidget* w = find(control);
    return w && !w->isHidden();
}

void WidgetView::setShown(std::string_view control, bool on) {
    const Applying applying(*this);
    widget(control)->setVisible(on);
}

void WidgetView::setBackground(std::string_view control, Background look) {
    SetBackground(widget(control), look == Background::Start
                                       ? ToolkitColour(Colour::Light3D, window_)
                                       : WorkingBackground(window_));
}

int WidgetView::caret(std::string_view control) const {
    auto* edit = qobject_cast<QLineEdit*>(widget(control));
    return edit ? edit->cursorPosition() : 0;
}

void WidgetView::setCaret(std::string_view control, int position) {
    const Applying applying(*this);
    if (auto* edit = qobject_cast<QLineEdit*>(widget(control)))
        edit->setCursorPosition(position);
}

Selection WidgetView::selection(std::string_view control) const {
    auto* edit = qobject_cast<QLineEdit*>(widget(control));
    if (!edit || !edit->hasSelectedText())
        return {};
    return {edit->selectionStart(), static_cast<int>(edit->selectedText().size())};
}

int WidgetView::page() const {
    return static_cast<QTabWidget*>(widget("PageControl1"))->currentIndex();
}

void WidgetView::setPage(int page) {
    const Applying applying(*this);
    static_cast<QTabWidget*>(widget("PageControl1"))->setCurrentIndex(page);
}

std::string WidgetView::focused() const {
    const QWidget* w = window_.focusWidget();
    if (!w)
        return {};
    // The tab strip has the focus for its page control.
    if (const QWidget* owner = w->parentWidget(); owner && owner->focusProxy() == w)
        return u(owner->objectName());
    return u(w->objectName());
}

void WidgetView::setFocus(std::string_view control, FocusWay way) {
    widget(control)->setFocus(way == FocusWay::Step ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

std::string WidgetView::status() const {
    return u(static_cast<QLabel*>(widget("StatusPanel1"))->text());
}

void WidgetView::setStatus(const std::string& text) {
    static_cast<QLabel*>(widget("StatusPanel1"))->setText(q(text));
}

void WidgetView::repaint() {
    window_.repaint();
}

void WidgetView::showBox(BoxKind kind, const std::string& text) noexcept {
    try {
        ShowBox(&window_, kind, q(text));
    } catch (...) {
        // Reporting must not fail the operation that reports.
    }
}

std::string WidgetView::runFileDialog(const FileDialogSetup& dialog) {
    const QString path = RunFileDialog(&window_, dialog);
    return path.isEmpty() ? std::string() : u(QDir::toNativeSeparators(path));
}

void WidgetView::close() {
    window_.close();
}

} // namespace qm
