#include "Settings.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <stdexcept>

namespace qm {

namespace {

struct NumberSlot {
    std::size_t offset;
    int width;
};

#define QM_SLOT(key)                                                                               \
    { offsetof(Settings, key), 8 * static_cast<int>(sizeof(Settings::key)) }

// Indexed by setting number - kFirstNumber.
constexpr NumberSlot kNumberSlots[] = {
    QM_SLOT(SET08), QM_SLOT(SET09), QM_SLOT(SET10), QM_SLOT(SET11), QM_SLOT(SET12), QM_SLOT(SET13),
    QM_SLOT(SET14), QM_SLOT(SET15), QM_SLOT(SET16), QM_SLOT(SET17), QM_SLOT(SET18), QM_SLOT(SET19),
    QM_SLOT(SET20), QM_SLOT(SET21), QM_SLOT(SET22), QM_SLOT(SET23), QM_SLOT(SET24), QM_SLOT(SET25),
    QM_SLOT(SET26), QM_SLOT(SET27), QM_SLOT(SET28), QM_SLOT(SET29), QM_SLOT(SET30), QM_SLOT(SET31),
    QM_SLOT(SET32), QM_SLOT(SET33), QM_SLOT(SET34), QM_SLOT(SET35), QM_SLOT(SET36), QM_SLOT(SET37),
    QM_SLOT(SET38), QM_SLOT(SET39), QM_SLOT(SET40), QM_SLOT(SET41), QM_SLOT(SET42), QM_SLOT(SET43),
    QM_SLOT(SET44), QM_SLOT(SET45), QM_SLOT(SET46), QM_SLOT(SET47), QM_SLOT(SET48), QM_SLOT(SET49),
    QM_SLOT(SET50), QM_SLOT(SET51), QM_SLOT(SET52),
};
#undef QM_SLOT

static_assert(sizeof(kNumberSlots) / sizeof(kNumberSlots[0]) == kLastSetting - kFirstNumber + 1);

const NumberSlot& numberSlot(int number) {
    if (number < kFirstNumber || number > kLastSetting)
        throw std::out_of_range("not a number setting: " + std::to_string(number));
    return kNumberSlots[number - kFirstNumber];
}

void checkText(int number) {
    if (number < kFirstSetting || number > kLastText)
        throw std::out_of_range("not a text setting: " + std::to_string(number));
}

} // namespace

int SettingWidth(int number) {
    if (number >= kFirstSetting && number <= kLastText)
        return 0;
    return numberSlot(number).width;
}

std::size_t TextCapacity(int number) {
    checkText(number);
    return number <= 4 ? kLongTextSize : kShortTextSize;
}

char* TextField(Settings& record, int number) {
    checkText(number);
    char* const fields[] = {record.SET01, record.SET02, record.SET03, record.SET04,
                            record.SET05, record.SET06, record.SET07};
    return fields[number - 1];
}

const char* TextField(const Settings& record, int number) {
    return TextField(const_cast<Settings&>(record), number);
}

std::uint32_t NumberValue(const Settings& record, int number) {
    const NumberSlot& slot = numberSlot(number);
    const auto* base = reinterpret_cast<const unsigned char*>(&record) + slot.offset;
    if (slot.width == 8)
        return *base;
    std::uint16_t v;
    std::memcpy(&v, base, sizeof v);
    return v;
}

void SetNumberValue(Settings& record, int number, std::uint32_t v) {
    const NumberSlot& slot = numberSlot(number);
    auto* base = reinterpret_cast<unsigned char*>(&record) + slot.offset;
    if (slot.width == 8) {
        *base = static_cast<std::uint8_t>(v);
    } else {
        const auto v16 = static_cast<std::uint16_t>(v);
        std::memcpy(base, &v16, sizeof v16);
    }
}

std::string SettingKey(int number) {
    std::string key = "SET00";
    key[3] = static_cast<char>('0' + number / 10 % 10);
    key[4] = static_cast<char>('0' + number % 10);
    return key;
}

void CopyText(char* field, std::size_t capacity, const std::string& text) {
    const std::size_t n = std::min({text.find('\0'), text.size(), capacity - 1});
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, capacity - n);
}

bool operator==(const Settings& a, const Settings& b) {
    for (int n = kFirstSetting; n <= kLastText; ++n)
        if (std::strncmp(TextField(a, n), TextField(b, n), TextCapacity(n)) != 0)
            return false;
    for (int n = kFirstNumber; n <= kLastSetting; ++n)
        if (NumberValue(a, n) != NumberValue(b, n))
            return false;
    return std::strncmp(a.serial, b.serial, kSerialSize) == 0;
}

} // namespace qm
