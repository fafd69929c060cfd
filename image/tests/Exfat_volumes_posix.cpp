#include "Exfat_volumes.h"

#include "ImageTestPosix.h"

#include <filesystem>

namespace qmtest {

struct ExfatVolumes::Mounted {
    std::unique_ptr<BoardVolume> volume;
};

ExfatVolumes::ExfatVolumes(const std::string& folder) {
    for (const unsigned cluster : {4096u, 512u}) {
        const std::string own = folder + "/exfat-" + std::to_string(cluster);
        std::filesystem::create_directories(own + "/root");
        auto mounted = std::make_unique<Mounted>();
        mounted->volume =
            std::make_unique<BoardVolume>(BoardVolume::Kind::ExFat, own, own + "/root", cluster);
        if (!mounted->volume->ok()) {
            why = mounted->volume->why();
            volumes.clear();
            return;
        }
        volumes.push_back({own + "/root/", cluster});
        mounted_.push_back(std::move(mounted));
    }
}

ExfatVolumes::~ExfatVolumes() = default;

} // namespace qmtest
