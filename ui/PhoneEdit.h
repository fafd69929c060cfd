// The telephone boxes MaskEdit1 and MaskEdit3: a plain edit that shows what
// the form lays out (Phone_box.h) and reports the keys, pastes and clicks
// that would change it, as the Windows window's box does; the form answers
// with the text and the caret. Keys that only move the caret or select, and
// copying, are the edit's own; whatever else would change the text, the box
// does not let through.
#pragma once

#include "Phone_box.h"

#include <QLineEdit>

namespace qm {

class PhoneEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit PhoneEdit(QWidget* parent = nullptr);

signals:
    void typed(char32_t c);
    void keyPressed(qm::PhoneKey key);
    // The user pastes a text: by the keys, the menu or the middle button.
    void pasteRequested(const QString& text);
    // A click has put the caret somewhere in the box.
    void clickedIn();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void cut();
};

} // namespace qm
