// Input rule of the edits whose text goes to the board as one line of code
// page 1251: the text settings Edit7, Edit12, Edit10, Edit3, Edit5 and the
// serial entry Edit21.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace qm {

// Whatever enters the edit, typed, pasted, dropped or put there by the
// program, is made one line first: of a text with line breaks the first
// line with content, tabs as blanks, other control characters dropped. Then
// the field's limits apply: what does not fit into maxLength characters is
// cut, and a text with a character that code page 1251 lacks is refused
// whole, so that it reaches the settings record unchanged, never with a
// character replaced. Only the part that came in is looked at: the rest of
// the text stays as it was.
class TextValidator : public QValidator {
public:
    TextValidator(QLineEdit* edit, int maxLength);
    State validate(QString& input, int& pos) const override;

private:
    QString shown_; // the edit's text before the change in hand
    int maxLength_;
};

} // namespace qm
