// Stores to a file another program holds, each sharing it as editors, sync
// clients and scanners do: what the store says always matches what the file
// then holds. A failure leaves the old image; a store that replaced the file
// says so, checked or not.
#include "Image_transfer.h"

#include "ImageTestSupport.h"
#include "ImageTestWin32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using StoreHeldWin32Test = ImageTest;

struct HolderCase {
    const char* mode; // file_holder's sharing
    unsigned ms;      // how long it holds the file: past the store's waits, or within them
    ImageResult result;
    bool newImage; // the file holds the new image afterwards, else the old
};

TEST_F(StoreHeldWin32Test, WhatTheStoreSaysIsWhatTheFileHolds) {
    const HolderCase cases[] = {
        {"none", 1000, ImageResult::Success, true},
        {"read", 1000, ImageResult::Success, true},
        {"readwrite", 1000, ImageResult::Success, true},
        {"none", 10000, ImageResult::S5, false},
        {"read", 10000, ImageResult::S5, false},
        // Not renamed over, but written in place and read back as the holder
        // lets others read.
        {"readwrite", 10000, ImageResult::Success, true},
    };
    const std::string target = dir.file("set.ini");
    const std::string oldImage = BoardImage("QM 1.2.3.4.5");
    for (const HolderCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + ", " + std::to_string(c.ms) + " ms");
        WriteAll(target, oldImage);
        ImageResult result;
        {
            HoldingProgram holder(c.mode, target, c.ms);
            ASSERT_TRUE(holder.ready());
            result = store(target);
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(ReadAll(target) == DefaultsImage(), c.newImage);
        EXPECT_EQ(ReadAll(target) == oldImage, !c.newImage);
        EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(dir.path())), {}), 2)
            << "only set.ini and the run folder";
    }
}

// A scanner that takes the file for itself as soon as it changes: the store
// that meets it after its rename says the settings were written but not
// checked; one it does not meet is checked. The race is the scanner's, so
// stores are made until one meets it (or ten have been), every one judged.
TEST_F(StoreHeldWin32Test, ScannerThatTakesTheChangedFile) {
    const std::string target = dir.file("set.ini");
    const std::string oldImage = BoardImage("QM 1.2.3.4.5");
    int checked = 0, unchecked = 0, failed = 0;
    for (int attempt = 0; attempt < 10 && unchecked == 0; ++attempt) {
        WriteAll(target, oldImage);
        ImageResult result;
        {
            HoldingProgram scanner("grab", target, 3000);
            ASSERT_TRUE(scanner.ready());
            result = store(target);
        }
        const std::string held = ReadAll(target);
        if (result == ImageResult::Success || result == ImageResult::WrittenUnchecked) {
            EXPECT_EQ(held, DefaultsImage()) << "store " << attempt;
            ++(result == ImageResult::Success ? checked : unchecked);
        } else {
            EXPECT_EQ(result, ImageResult::S5) << "store " << attempt;
            EXPECT_EQ(held, oldImage) << "store " << attempt << " failed, and the file changed";
            ++failed;
        }
    }
    std::cout << "scanner: " << checked << " checked, " << unchecked << " written unchecked, "
              << failed << " failed\n";
}

} // namespace
