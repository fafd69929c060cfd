#include "TextValidator.h"

#include "Text_entry.h"

#include <QLineEdit>

namespace qm {

TextValidator::TextValidator(QLineEdit* edit, int maxLength)
    : QValidator(edit), shown_(edit->text()), maxLength_(maxLength) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State TextValidator::validate(QString& input, int& pos) const {
    const std::size_t caret = pos >= 0 && pos <= input.size()
                                  ? static_cast<std::size_t>(input.left(pos).toUtf8().size())
                                  : std::string::npos;
    const auto kept = KeepEntered(shown_.toStdString(), input.toStdString(), caret,
                                  static_cast<std::size_t>(maxLength_));
    if (!kept)
        return Invalid;
    input = QString::fromStdString(kept->text);
    pos = static_cast<int>(QString::fromStdString(kept->text.substr(0, kept->caret)).size());
    return Acceptable;
}

} // namespace qm
