// The image check on arbitrary 2048-byte buffers, against an independent
// recomputation: a bitwise CRC-32 over everything up to the key found by a
// greedy scan, and the digits after it.
#include "FuzzCheck.h"
#include "Reference_check.h"
#include "Reseal_mutator.h"
#include "Settings_image.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> buffer(qm::kImageSize, 0);
    std::memcpy(buffer.data(), data, size < buffer.size() ? size : buffer.size());
    FUZZ_CHECK(qm::CheckImage(buffer.data()) == fuzzref::ChecksumPasses(buffer.data()));
    return 0;
}
