// The platform-neutral steps of ReplaceFileContent.
#include "File_replace_steps.h"

#include "File_replace.h"

#include <chrono>
#include <random>

namespace qm::replace {

namespace {

// Different in every call and, through the system's random source, in every
// process: two stores beside one file never pick one name on purpose, and
// the exclusive make catches the rest.
std::string randomSuffix() {
    static unsigned counter = 0;
    static const unsigned long long processSeed = [] {
        try {
            std::random_device device;
            return (static_cast<unsigned long long>(device()) << 32) ^ device();
        } catch (...) {
            return 0ull;
        }
    }();
    unsigned long long seed = static_cast<unsigned long long>(
                                  std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              processSeed ^ (++counter * 0x9E3779B97F4A7C15ull);
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix;
    for (std::size_t i = 0; i < kReplacementSuffixSize; ++i) {
        seed ^= seed >> 29;
        seed *= 0xBF58476D1CE4E5B9ull;
        suffix += digits[seed % 36];
    }
    return suffix;
}

} // namespace

std::string MakeNewFile(const std::string& name,
                        const std::function<Made(const std::string& newName)>& make) {
    const std::string prefix = ReplacementPrefix(name);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string newName = prefix + randomSuffix();
        switch (make(newName)) {
        case Made::Yes:
            return newName;
        case Made::NameTaken:
            continue;
        case Made::Failed:
            return std::string();
        }
    }
    return std::string();
}

bool IsNewFileOf(const std::string& entry, const std::string& name) {
    const std::string prefix = ReplacementPrefix(name);
    return entry.size() == prefix.size() + kReplacementSuffixSize &&
           entry.compare(0, prefix.size(), prefix) == 0;
}

Replaced WriteInPlace(InPlaceFile& file, const void* data, std::size_t size) {
    const std::optional<std::uint64_t> length = file.length();
    std::string old;
    if (!length || *length > kMaxInPlace || !file.fits(*length, size) ||
        !file.readAll(old, *length))
        return Replaced::Unchanged;
    const std::size_t written = file.writeAt0(data, size);
    if (written == size && (old.size() == size || file.setLength(size)) && file.flush())
        return Replaced::Done;
    if (written == 0 && old.size() == file.length().value_or(0))
        return Replaced::Unchanged; // not a byte went in
    // The old bytes that were written over go back, then the old length.
    const std::size_t over = written < old.size() ? written : old.size();
    const bool back = file.writeAt0(old.data(), over) == over;
    const std::optional<std::uint64_t> now = file.length();
    const bool lengthBack = now && (*now == old.size() || file.setLength(old.size()));
    return back && lengthBack && file.flush() ? Replaced::Unchanged : Replaced::Damaged;
}

} // namespace qm::replace
