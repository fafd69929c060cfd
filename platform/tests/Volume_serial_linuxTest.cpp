#include "Volume_list_linux.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace qm;

namespace {

struct SerialCase {
    const char* uuid;
    std::optional<std::uint32_t> serial;
};

// Names the case by its text in test listings.
void PrintTo(const SerialCase& c, std::ostream* os) {
    *os << '"' << c.uuid << '"';
}

class VolumeSerialFromUuidTest : public testing::TestWithParam<SerialCase> {};

TEST_P(VolumeSerialFromUuidTest, GivesTheNumberWindowsShows) {
    const SerialCase& c = GetParam();
    EXPECT_EQ(VolumeSerialFromUuid(c.uuid), c.serial) << '"' << c.uuid << '"';
}

const std::optional<std::uint32_t> kNone;

INSTANTIATE_TEST_SUITE_P(
    FatAndExfat, VolumeSerialFromUuidTest,
    testing::Values(SerialCase{"C208-9526", 0xC2089526}, SerialCase{"c208-9526", 0xC2089526},
                    SerialCase{"1A2b-3C4d", 0x1A2B3C4D}, SerialCase{"0000-0000", 0x00000000},
                    SerialCase{"FFFF-FFFF", 0xFFFFFFFF}, SerialCase{"0001-0000", 0x00010000}));

INSTANTIATE_TEST_SUITE_P(Ntfs, VolumeSerialFromUuidTest,
                         testing::Values(SerialCase{"0A1B2C3DC2089526", 0xC2089526},
                                         SerialCase{"0123456789abcdef", 0x89ABCDEF},
                                         SerialCase{"FFFFFFFF00000001", 0x00000001},
                                         SerialCase{"C208952600000000", 0x00000000}));

INSTANTIATE_TEST_SUITE_P(
    Garbage, VolumeSerialFromUuidTest,
    testing::Values(SerialCase{"", kNone}, SerialCase{"C2089526", kNone},
                    SerialCase{"C208-952", kNone}, SerialCase{"C208-95266", kNone},
                    SerialCase{"C208_9526", kNone}, SerialCase{"C20-89526", kNone},
                    SerialCase{"G208-9526", kNone}, SerialCase{"C208-952G", kNone},
                    SerialCase{"C208--526", kNone}, SerialCase{"+208-9526", kNone},
                    SerialCase{" C208-9526", kNone}, SerialCase{"C208-9526\n", kNone},
                    SerialCase{"0A1B2C3DC208952", kNone}, SerialCase{"0A1B2C3DC20895260", kNone},
                    SerialCase{"ZA1B2C3DC2089526", kNone}, SerialCase{"0A1B2C3DC208952z", kNone},
                    SerialCase{"0A1B2C3D-C208952", kNone},
                    SerialCase{"3f1c9a4e-8a2b-4c1d-9e7f-1a2b3c4d5e6f", kNone},
                    SerialCase{"2023-05-01-12-00-00-00", kNone}));

} // namespace
