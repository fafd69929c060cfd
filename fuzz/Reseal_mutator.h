// Mutator of the targets that take settings images: after libFuzzer's own
// mutation, every other input gets a checksum that passes, so that the
// fuzzer gets past the check to the code behind it (the copy to the temporary
// file, the reader) instead of ending in L2 almost every time. Include it in
// one file of a target only.
#pragma once

#include "Reference_check.h"

#include <cstddef>
#include <cstdint>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t max, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, max);
    return seed % 2 == 0 ? fuzzref::Reseal(data, size, max) : size;
}
