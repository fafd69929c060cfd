#include "Text_entry.h"

#include "Field_rules.h"

#include <algorithm>

namespace qm {

namespace {

bool continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continuation(c); }));
}

std::optional<EditedText> KeepEntered(std::string_view before, std::string_view after,
                                      std::size_t caret, std::size_t room) {
    // The new text is the old one with a part taken out and a part put in
    // between a head and a tail that both keep. The caret stands right after
    // what was put in; when the text after it is the old tail, that settles
    // where the new part ends, also when it repeats its neighbours.
    const std::size_t size = after.size();
    std::size_t tail = caret <= size ? size - caret : before.size() + 1;
    if (tail > before.size() || after.substr(size - tail) != before.substr(before.size() - tail)) {
        tail = 0;
        const std::size_t limit = std::min(size, before.size());
        while (tail < limit && after[size - 1 - tail] == before[before.size() - 1 - tail])
            ++tail;
    }
    while (tail > 0 && continuation(after[size - tail]))
        --tail; // whole characters only
    std::size_t head = 0;
    const std::size_t limit = std::min(size, before.size()) - tail;
    while (head < limit && after[head] == before[head])
        ++head;
    while (head > 0 && head < size && continuation(after[head]))
        --head;

    const std::size_t kept =
        Characters(after.substr(0, head)) + Characters(after.substr(size - tail));
    const auto entered =
        EnteredText(after.substr(head, size - head - tail), room > kept ? room - kept : 0);
    if (!entered)
        return std::nullopt;
    return EditedText{std::string(after.substr(0, head)) + *entered +
                          std::string(after.substr(size - tail)),
                      head + entered->size()};
}

} // namespace qm
