// The number edits' parser on arbitrary text and bounds.
#include "Form_to_set.h"
#include "FuzzCheck.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    std::int32_t a, b;
    std::memcpy(&a, data, 4);
    std::memcpy(&b, data + 4, 4);
    const std::int32_t min = a < b ? a : b, max = a < b ? b : a;
    const std::string text(reinterpret_cast<const char*>(data + 8), size - 8);
    const std::int32_t v = qm::ParseNumber(text, min, max);
    FUZZ_CHECK(v >= min && v <= max);

    // Independent reading of the leading digits within six characters.
    std::int64_t expected = 0;
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    for (; i < text.size() && i < 6 && text[i] >= '0' && text[i] <= '9'; ++i)
        expected = expected * 10 + (text[i] - '0');
    if (!text.empty() && text[0] == '-')
        expected = -expected;
    expected = expected > max ? max : expected;
    expected = expected < min ? min : expected;
    FUZZ_CHECK(v == expected);
    return 0;
}
