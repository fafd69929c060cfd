// Random records written by the writer and read back by the reader come back
// equal, allowing for the losses the settings file has by design: blanks at
// the ends of a text and an outer pair of matching quotes go, a text with
// control bytes is written as one line, and the serial label becomes the
// default (the writer has no key ID).
#include "Read_file.h"
#include "Set_def.h"
#include "Settings.h"
#include "Single_line.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace qm;

namespace {

constexpr int kRecords = 3000;

std::string randomText(std::mt19937& rng, std::size_t capacity) {
    // Any single byte but zero, CR and LF, with blanks and quotes made common.
    static const char common[] = " \t\f\x1A\"'=;[]CRC";
    std::uniform_int_distribution<std::size_t> length(0, capacity - 1);
    std::uniform_int_distribution<int> byte(1, 255), pick(0, 3);
    std::uniform_int_distribution<std::size_t> commonPick(0, sizeof common - 2);
    std::string text(length(rng), ' ');
    for (char& c : text) {
        int b = pick(rng) == 0 ? common[commonPick(rng)] : byte(rng);
        while (b == '\r' || b == '\n')
            b = byte(rng);
        c = static_cast<char>(b);
    }
    return text;
}

std::string expectedAfterReading(const std::string& written) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
    };
    std::size_t b = 0, e = written.size();
    while (b < e && blank(written[b]))
        ++b;
    while (e > b && blank(written[e - 1]))
        --e;
    std::string v = written.substr(b, e - b);
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        v = v.substr(1, v.size() - 2);
    return v;
}

TEST(RoundTripPropertyTest, RandomRecordsReadBackEqual) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::uint32_t> number;
    for (int i = 0; i < kRecords; ++i) {
        Settings record{};
        for (int n = kFirstSetting; n <= kLastText; ++n)
            CopyText(TextField(record, n), TextCapacity(n), randomText(rng, TextCapacity(n)));
        for (int n = kFirstNumber; n <= kLastSetting; ++n)
            SetNumberValue(record, n, number(rng));
        CopyText(record.serial, kSerialSize, randomText(rng, kSerialSize));

        const Settings read = ReadSettingsText(SettingsFileText(record, i % 2 == 0));

        Settings expected = record;
        for (int n = kFirstSetting; n <= kLastText; ++n)
            CopyText(TextField(expected, n), TextCapacity(n),
                     expectedAfterReading(SingleLine(TextField(record, n))));
        CopyText(expected.serial, kSerialSize, kDefaultSerial);
        ASSERT_EQ(read, expected) << "record " << i;
    }
}

} // namespace
