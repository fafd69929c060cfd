#include "Phone_box.h"

#include <algorithm>
#include <cstring>

namespace qm {

namespace {

int patternSize(PhoneForm form) {
    return static_cast<int>(std::strlen(PhonePattern(form)));
}

bool takes(char patternChar, char32_t c) {
    return PhoneIsSlot(patternChar) && PhoneSlotTakes(patternChar, c);
}

// The shown text with the selected positions unfilled.
std::string emptied(std::string text, PhoneForm form, Selection selected) {
    const char* pattern = PhonePattern(form);
    const int end = std::min(selected.start + selected.length, static_cast<int>(text.size()));
    for (int i = std::max(0, selected.start); i < end; ++i)
        if (PhoneIsSlot(pattern[i]))
            text[i] = kPhoneUnfilled;
    return text;
}

// The number of slots before the position: the slot the caret there is at.
int slotAt(PhoneForm form, int position) {
    const char* pattern = PhonePattern(form);
    int slot = 0;
    for (int i = 0; pattern[i] != '\0' && i < position; ++i)
        if (PhoneIsSlot(pattern[i]))
            ++slot;
    return slot;
}

} // namespace

std::string PhoneLayOut(PhoneForm form, std::string_view value) {
    std::string shown;
    std::size_t slot = 0;
    for (const char* p = PhonePattern(form); *p != '\0'; ++p) {
        if (!PhoneIsSlot(*p)) {
            shown += *p;
            continue;
        }
        const char c = slot < value.size() ? value[slot] : kPhoneUnfilled;
        shown += takes(*p, static_cast<unsigned char>(c)) ? c : kPhoneUnfilled;
        ++slot;
    }
    return shown;
}

PhoneForm PhoneFormOfShown(std::string_view shown) {
    return static_cast<int>(shown.size()) >= patternSize(PhoneForm::International)
               ? PhoneForm::International
               : PhoneForm::Domestic;
}

std::string PhoneValueOf(std::string_view shown) {
    const char* pattern = PhonePattern(PhoneFormOfShown(shown));
    std::string value;
    for (std::size_t i = 0; pattern[i] != '\0'; ++i) {
        if (!PhoneIsSlot(pattern[i]))
            continue;
        const char c = i < shown.size() ? shown[i] : kPhoneUnfilled;
        value += takes(pattern[i], static_cast<unsigned char>(c)) ? c : ' ';
    }
    while (!value.empty() && value.back() == ' ')
        value.pop_back();
    return value;
}

int PhonePositionOfSlot(PhoneForm form, int slot) {
    const char* pattern = PhonePattern(form);
    for (int i = 0, k = 0; pattern[i] != '\0'; ++i)
        if (PhoneIsSlot(pattern[i]) && k++ == slot)
            return i;
    return patternSize(form);
}

PhoneBox PhoneReform(const PhoneBox& box, PhoneForm form) {
    const int slot = slotAt(PhoneFormOfShown(box.text), box.caret);
    return {PhoneLayOut(form, PhoneValueOf(box.text)), PhonePositionOfSlot(form, slot)};
}

int PhoneClickedCaret(const PhoneBox& box) {
    const int firstFree = PhonePositionOfSlot(PhoneFormOfShown(box.text),
                                              static_cast<int>(PhoneValueOf(box.text).size()));
    return std::min(box.caret, firstFree);
}

PhoneBox PhoneTypeChar(const PhoneBox& box, Selection selected, char32_t c) {
    const PhoneForm form = PhoneFormOfShown(box.text);
    const char* pattern = PhonePattern(form);
    const int size = patternSize(form);
    int p = selected.length > 0 ? selected.start : box.caret;
    for (; p < size && !PhoneIsSlot(pattern[p]); ++p)
        if (static_cast<char32_t>(static_cast<unsigned char>(pattern[p])) == c)
            return {box.text, p + 1}; // typing a bracket or dash steps over it
    if (p >= size || !takes(pattern[p], c))
        return box;
    std::string text = selected.length > 0 ? emptied(box.text, form, selected) : box.text;
    text[p] = static_cast<char>(c);
    int caret = p + 1;
    while (caret < size && !PhoneIsSlot(pattern[caret]))
        ++caret;
    return {text, caret};
}

PhoneBox PhonePressKey(const PhoneBox& box, Selection selected, PhoneKey key) {
    const PhoneForm form = PhoneFormOfShown(box.text);
    if (selected.length > 0)
        return {emptied(box.text, form, selected), selected.start};
    const char* pattern = PhonePattern(form);
    std::string text = box.text;
    if (key == PhoneKey::Backspace) {
        int p = box.caret - 1;
        while (p >= 0 && !PhoneIsSlot(pattern[p]))
            --p;
        if (p < 0)
            return box;
        text[p] = kPhoneUnfilled;
        return {text, p};
    }
    int p = box.caret;
    while (p < patternSize(form) && !PhoneIsSlot(pattern[p]))
        ++p;
    if (p < patternSize(form))
        text[p] = kPhoneUnfilled;
    return {text, box.caret};
}

PhoneBox PhonePaste(const PhoneBox& box, Selection selected, std::string_view written) {
    const PhoneForm form = PhoneFormOfShown(box.text);
    std::string cells = PhoneValueOf(box.text);
    const int first = slotAt(form, selected.length > 0 ? selected.start : box.caret);
    if (selected.length > 0) {
        const int end = slotAt(form, selected.start + selected.length);
        for (int k = first; k < end && k < static_cast<int>(cells.size()); ++k)
            cells[k] = ' ';
    }
    const std::string phone = PhoneTyped(written, first == 0);
    if (phone.empty())
        return box;
    if (static_cast<int>(cells.size()) < first)
        cells.resize(first, ' ');
    cells.replace(first, std::min(phone.size(), cells.size() - first), phone);
    const PhoneForm next = PhoneFormFor(cells);
    return {PhoneLayOut(next, cells),
            PhonePositionOfSlot(next, first + static_cast<int>(phone.size()))};
}

} // namespace qm
