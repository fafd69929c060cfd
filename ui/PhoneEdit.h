// The telephone boxes MaskEdit1 and MaskEdit3.
//
// The box shows a mask with its brackets and dashes and an underscore in each
// unfilled position; the toolkit's input mask does the typing. What the box
// shows, its value and its forms are the telephone box model's
// (Phone_box.h); the form runs its rule. Pastes and clicks are handed to the
// form, which lays a pasted number out and puts the caret where it belongs.
#pragma once

#include "Phone_box.h"

#include <QLineEdit>

namespace qm {

class PhoneEdit : public QLineEdit {
    Q_OBJECT

public:
    using Form = PhoneForm;

    explicit PhoneEdit(QWidget* parent = nullptr);

    // The form and the value of what the box shows.
    Form form() const;
    QString value() const;

    // Shows a text laid out by the model, in the input mask of its form.
    void setShown(const QString& shown);

signals:
    // The user pastes a text: by the keys, the menu or the middle button.
    void pasteRequested(const QString& text);
    // A click has put the caret somewhere in the box, selecting nothing.
    void clickedIn();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace qm
