// Input rule of the edits whose text goes to the board as one line of code
// page 1251: the text settings Edit7, Edit12, Edit10, Edit3, Edit5 and the
// serial entry Edit21. Whatever enters the edit, typed, pasted, dropped or
// put there by the program, is kept as the form's rule keeps it
// (Text_entry.h), before the edit shows it.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace qm {

class TextValidator : public QValidator {
public:
    TextValidator(QLineEdit* edit, int maxLength);
    State validate(QString& input, int& pos) const override;

private:
    QString shown_; // the edit's text before the change in hand
    int maxLength_;
};

} // namespace qm
