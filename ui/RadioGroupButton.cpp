#include "RadioGroupButton.h"

#include <QKeyEvent>

#include <algorithm>

namespace qm {

namespace {

// The buttons of the group: the radio buttons of the same parent.
QList<QRadioButton*> groupOf(const QWidget* button) {
    return button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

} // namespace

RadioGroupButton::RadioGroupButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            makeSelectedTheTabStop();
    });
}

void RadioGroupButton::focusInEvent(QFocusEvent* event) {
    // The toolkit makes the focused button its group's tab stop; here it is
    // always the selected one.
    QRadioButton::focusInEvent(event);
    makeSelectedTheTabStop();
}

bool RadioGroupButton::focusNextPrevChild(bool next) {
    // Tab leaves the group, also from a button that is not the selected one
    // (the Enter chain focuses each button in turn).
    const QList<QRadioButton*> buttons = groupOf(this);
    QList<Qt::FocusPolicy> policies;
    for (QRadioButton* b : buttons) {
        policies.append(b->focusPolicy());
        b->setFocusPolicy(static_cast<Qt::FocusPolicy>(b->focusPolicy() & ~Qt::TabFocus));
    }
    const bool moved = QRadioButton::focusNextPrevChild(next);
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setFocusPolicy(policies[i]);
    return moved;
}

void RadioGroupButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if (!forward && key != Qt::Key_Up && key != Qt::Key_Left) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const QList<QRadioButton*> buttons = groupOf(this);
    const auto n = buttons.size();
    auto i = buttons.indexOf(this);
    for (qsizetype step = 1; step < n; ++step) {
        QRadioButton* next = buttons[(i + (forward ? step : n - step)) % n];
        if (next->isEnabled() && !next->isHidden()) {
            next->setChecked(true);
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    event->accept();
}

void RadioGroupButton::makeSelectedTheTabStop() {
    const QList<QRadioButton*> buttons = groupOf(this);
    if (std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); }))
        return; // nothing selected yet: the toolkit's own rule
    for (QRadioButton* b : buttons) {
        const int policy =
            b->isChecked() ? b->focusPolicy() | Qt::TabFocus : b->focusPolicy() & ~Qt::TabFocus;
        b->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
    }
}

} // namespace qm
