// The telephone boxes MaskEdit1 and MaskEdit3.
//
// The box shows a mask with its brackets and dashes and an underscore in each
// unfilled position; its value is the typed characters only. The two forms
// and what each position takes are the settings core's (Phone_rules.h).
// Switching the form keeps the typed characters and lays them out anew.
#pragma once

#include "Phone_rules.h"

#include <QLineEdit>

namespace qm {

class PhoneEdit : public QLineEdit {
    Q_OBJECT

public:
    using Form = PhoneForm;

    explicit PhoneEdit(QWidget* parent = nullptr);

    // The mask as shown, "#9(999)999-99-99" or "#(999)999-99-99".
    static QString Pattern(Form form);
    // The form a value is laid out in: international for an empty value or
    // one that begins with "+", domestic otherwise.
    static Form FormFor(const QString& value);

    Form form() const { return form_; }
    // Keeps the typed characters (those that fit) and the caret's place among them.
    void setForm(Form form);

    QString value() const;
    // Shows a value in the form that fits its first character. Characters a
    // position does not take show as unfilled; those beyond the last
    // position are dropped.
    void setValue(const QString& value);

    // Puts the clipboard's telephone into the box at the caret, as typing it
    // would: digits, and a leading "+" or "-" at the first position; the
    // brackets, dashes and blanks of a written number are skipped.
    void pasteText(const QString& text);

signals:
    // The value changed, by typing, pasting or from program code.
    void valueChanged(const QString& value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void layOut(Form form, const QString& value, int caretSlot);
    void onTextChanged();
    int slotAtOrAfter(int position) const;
    // Where the slot stands in the box; past the end for a slot beyond the last.
    int positionOfSlot(int slot) const;

    Form form_ = Form::International;
    QString value_;
    bool layingOut_ = false;
    bool normalizing_ = false;
};

} // namespace qm
