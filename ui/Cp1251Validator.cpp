#include "Cp1251Validator.h"

#include "Cp1251.h"

namespace qm {

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    // A lone surrogate comes out of toUcs4 as U+FFFD, which has no byte either.
    for (const char32_t c : input.toUcs4()) {
        unsigned char byte;
        if (!Cp1251Byte(c, byte))
            return Invalid;
    }
    return Acceptable;
}

} // namespace qm
