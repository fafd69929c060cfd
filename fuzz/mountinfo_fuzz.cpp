// The mount table parsing on arbitrary text: whatever the lines hold, the
// volumes come out with path sources, in mount-point order, one per mount
// point.
#include "FuzzCheck.h"
#include "Volume_list_linux.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto mounts = qm::VolumeMounts(text);
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        FUZZ_CHECK(!mounts[i].source.empty() && mounts[i].source[0] == '/');
        FUZZ_CHECK(!mounts[i].mountPoint.empty());
        if (i > 0)
            FUZZ_CHECK(mounts[i - 1].mountPoint < mounts[i].mountPoint);
    }
    return 0;
}
