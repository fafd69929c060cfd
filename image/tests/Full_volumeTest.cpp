// A full volume, as a board's small one soon is: no room for a second image
// beside set.ini, so the store writes set.ini in place. Whatever the volume's
// clusters and whatever set.ini held, what the store says is what set.ini
// then holds: the new image, or the old bytes whole.
#include "Image_transfer.h"

#include "Exfat_volumes.h"
#include "File.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

// Fills the volume with a file at path, in ever smaller pieces, until not
// a byte more goes in.
void fill(const std::string& path) {
    File file;
    ASSERT_TRUE(file.open(path, File::Mode::Write));
    for (const std::size_t piece : {65536u, 4096u, 512u, 1u}) {
        const std::string bytes(piece, 'f');
        while (file.write(bytes)) {
        }
    }
    file.sync();
    file.close();
}

std::size_t clusters(std::size_t bytes, unsigned clusterBytes) {
    return (bytes + clusterBytes - 1) / clusterBytes;
}

using FullVolumeTest = ImageTest;

TEST_F(FullVolumeTest, WhatTheStoreSaysIsWhatSetIniHolds) {
    ExfatVolumes exfat(dir.path());
    if (exfat.volumes.empty())
        GTEST_SKIP() << exfat.why;
    // As long as the image, shorter (it must grow) and longer (it must shrink).
    for (const std::size_t oldSize : {2048u, 1000u, 3000u}) {
        for (const ExfatVolume& volume : exfat.volumes) {
            SCOPED_TRACE(std::to_string(volume.clusterBytes) + "-byte clusters, set.ini of " +
                         std::to_string(oldSize) + " bytes");
            const std::string setIni = volume.root + "set.ini", filler = volume.root + "filler";
            fs::remove(fs::u8path(filler));
            const std::string old = oldSize == 2048 ? BoardImage("QM 1.2.3.4.5") : Pattern(oldSize);
            WriteAll(setIni, old);
            fill(filler);

            const ImageResult result = store(setIni);
            const std::string held = ReadAll(setIni);
            if (clusters(2048, volume.clusterBytes) <= clusters(oldSize, volume.clusterBytes)) {
                EXPECT_EQ(result, ImageResult::Success);
                EXPECT_TRUE(held == DefaultsImage()) << held.size() << " bytes, not the image";
            } else {
                EXPECT_EQ(result, ImageResult::S5);
                EXPECT_TRUE(held == old) << held.size() << " bytes, not the old ones";
            }
            std::set<std::string> entries;
            for (const auto& e : fs::directory_iterator(fs::u8path(volume.root)))
                entries.insert(e.path().filename().u8string());
            EXPECT_EQ(entries, (std::set<std::string>{"filler", "set.ini"}));
        }
    }
}

} // namespace
