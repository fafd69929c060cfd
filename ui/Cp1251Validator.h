// Input rule of the edits whose text goes to the board as code page 1251.
#pragma once

#include <QValidator>

namespace qm {

// Refuses any character that code page 1251 cannot represent, so that a text
// reaches the settings record whole, never with a character replaced.
class Cp1251Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace qm
