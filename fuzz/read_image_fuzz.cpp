// The whole load road on arbitrary source files: the exclusive read, the
// size and checksum checks, the copy to the temporary file and the reader.
//
// Invariants: a source under 512 bytes ends in L1 and one that fails an
// independent checksum check in L2, both with the record untouched; a load
// that passes leaves the bytes read in the temporary file and every text field
// of the record terminated within its capacity.
#include "FuzzCheck.h"
#include "Image_transfer.h"
#include "Reference_check.h"
#include "Reseal_mutator.h"
#include "Settings.h"
#include "Settings_image.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

class NoMessages : public qm::MessageSink {
public:
    void showMessage(const std::string&, const std::string&) override {}
};

// A folder of the run's own under the temporary folder (TMPDIR, which
// scripts/fuzz.sh points at a folder it removes afterwards, even after a
// finding has ended the run).
std::string workDir() {
    static std::string dir;
    if (dir.empty()) {
        const char* parent = std::getenv("TMPDIR");
        std::string tmpl = std::string(parent && *parent ? parent : "/tmp") + "/qmconf-fuzz-XXXXXX";
        FUZZ_CHECK(::mkdtemp(tmpl.data()) != nullptr);
        dir = tmpl;
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1); // T goes there too
    }
    return dir;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const std::string source = workDir() + "/source.img";
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    NoMessages messages;
    const ImageRead read = ReadImage(source, messages);
    const ImageResult result = read.result;
    const Settings& settings = read.record;

    std::uint8_t buffer[kImageSize] = {};
    const std::size_t n = size < kImageSize ? size : kImageSize;
    std::memcpy(buffer, data, n);
    const std::string read2048(reinterpret_cast<const char*>(data), n);
    if (n < kMinImageText) {
        FUZZ_CHECK(result == ImageResult::L1);
        FUZZ_CHECK(read.bytes.empty());
    } else if (!fuzzref::ChecksumPasses(buffer)) {
        // The bytes of an image whose checksum fails come back, for a
        // caller that shows what they say; the record stays empty.
        FUZZ_CHECK(result == ImageResult::L2);
        FUZZ_CHECK(read.bytes == read2048);
    } else {
        FUZZ_CHECK(result == ImageResult::Success);
        FUZZ_CHECK(readAll(TempFilePath()) == read2048);
        for (int k = kFirstSetting; k <= kLastText; ++k)
            FUZZ_CHECK(std::memchr(TextField(settings, k), '\0', TextCapacity(k)) != nullptr);
        FUZZ_CHECK(std::memchr(settings.serial, '\0', kSerialSize) != nullptr);
        FUZZ_CHECK(read.bytes == read2048);
        return 0;
    }
    FUZZ_CHECK(settings == Settings{});
    return 0;
}
