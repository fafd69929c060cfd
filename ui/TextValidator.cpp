#include "TextValidator.h"

#include "Field_rules.h"

#include <QLineEdit>

#include <algorithm>

namespace qm {

namespace {

int commonPrefix(const QString& a, const QString& b, int limit) {
    int n = 0;
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

int commonSuffix(const QString& a, const QString& b, int limit) {
    int n = 0;
    while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

} // namespace

TextValidator::TextValidator(QLineEdit* edit, int maxLength)
    : QValidator(edit), shown_(edit->text()), maxLength_(maxLength) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State TextValidator::validate(QString& input, int& pos) const {
    // The new text is the old one with a part taken out and a part put in
    // between a head and a tail that both keep. The caret stands right after
    // what was put in; when the text after it is the old tail, that settles
    // where the new part ends, also when it repeats its neighbours.
    const int size = static_cast<int>(input.size()), before = static_cast<int>(shown_.size());
    int tail = size - pos;
    if (pos < 0 || pos > size || tail > before ||
        QStringView(input).right(tail) != QStringView(shown_).right(tail))
        tail = commonSuffix(input, shown_, std::min(size, before));
    const int head = commonPrefix(input, shown_, std::min(size, before) - tail);

    const std::optional<std::string> entered =
        EnteredText(input.mid(head, size - head - tail).toStdString(),
                    static_cast<std::size_t>(std::max(0, maxLength_ - head - tail)));
    if (!entered)
        return Invalid;
    const QString part = QString::fromStdString(*entered);
    input = input.left(head) + part + input.right(tail);
    pos = head + static_cast<int>(part.size());
    return Acceptable;
}

} // namespace qm
