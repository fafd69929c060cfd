// The radio buttons of the two sensor pairs, RadioButton1/2 and 3/4.
#pragma once

#include <QRadioButton>

namespace qm {

// A radio button that behaves in its group as on the platform's own
// dialogs: Tab enters the group at its selected button (the others are no
// tab stops) and leaves it from any of its buttons, and the arrow keys move the selection to the
// next or the previous button of the group, round the ends, together with the focus, so the group's
// change rule runs. Focus given by program code (the Enter chain) selects nothing.
class RadioGroupButton : public QRadioButton {
public:
    explicit RadioGroupButton(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makeSelectedTheTabStop();
};

} // namespace qm
