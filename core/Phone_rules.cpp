#include "Phone_rules.h"

namespace qm {

namespace {

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool PhoneIsSlot(char patternChar) {
    return patternChar == '#' || patternChar == '9';
}

const char* PhonePattern(PhoneForm form) {
    return form == PhoneForm::International ? "#9(999)999-99-99" : "#(999)999-99-99";
}

bool PhoneSlotTakes(char patternChar, char32_t c) {
    return isDigit(c) || (patternChar == '#' && (c == '+' || c == '-'));
}

PhoneForm PhoneFormFor(std::string_view value) {
    return value.empty() || value[0] == '+' ? PhoneForm::International : PhoneForm::Domestic;
}

bool PhoneErases(std::string_view value) {
    return !value.empty() && value[0] == '-';
}

std::string PhoneTyped(std::string_view written, bool atFirstPosition) {
    std::string phone;
    for (const char c : written) {
        if (isDigit(static_cast<unsigned char>(c)))
            phone += c;
        else if ((c == '+' || c == '-') && phone.empty() && atFirstPosition)
            phone += c;
    }
    return phone;
}

} // namespace qm
