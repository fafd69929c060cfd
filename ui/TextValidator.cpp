#include "TextValidator.h"

#include "Cp1251.h"
#include "Single_line.h"

#include <QLineEdit>

#include <algorithm>

namespace qm {

namespace {

bool inCp1251(const QString& text) {
    // A lone surrogate comes out of toUcs4 as U+FFFD, which has no byte either.
    for (const char32_t c : text.toUcs4()) {
        unsigned char byte;
        if (!Cp1251Byte(c, byte))
            return false;
    }
    return true;
}

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

    QString part =
        QString::fromStdString(SingleLine(input.mid(head, size - head - tail).toStdString()));
    part.truncate(std::max(0, maxLength_ - head - tail));
    if (!inCp1251(part))
        return Invalid;
    input = input.left(head) + part + input.right(tail);
    pos = head + static_cast<int>(part.size());
    return Acceptable;
}

} // namespace qm
