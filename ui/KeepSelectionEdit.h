// An edit that keeps its selection when it loses the focus, so the price
// table shows which cell was worked on last.
#pragma once

#include <QLineEdit>

namespace qm {

class KeepSelectionEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        const int start = selectionStart();
        const int length = static_cast<int>(selectedText().size());
        QLineEdit::focusOutEvent(event);
        if (start >= 0 && length > 0 && !hasSelectedText())
            setSelection(start, length);
    }
};

} // namespace qm
