// The lock of the temporary file, held by another editor, on every platform.
// Another open of the lock file stands for the other editor: the lock
// belongs to an open file, so it keeps out even this same process.
#include "Image_transfer.h"

#include "File.h"
#include "ImageTestSupport.h"
#include "Temp_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using TempLockTest = ImageTest;

// Held past the wait, the lock ends the store in S1 and the load in L3 with
// T, the record and the target untouched; let go within it, it is taken.
TEST_F(TempLockTest, LockHeldElsewhere) {
    const std::string source = dir.file("source.ini"), target = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    WriteAll(tempPath(), "another editor's text");
    for (const bool letGo : {false, true}) {
        for (const bool storing : {true, false}) {
            File other;
            ASSERT_TRUE(other.open(TempLockPath(tempPath()), File::Mode::Hold));
            ASSERT_TRUE(other.tryLock());
            std::thread holder([&other, letGo] {
                if (letGo) {
                    std::this_thread::sleep_for(kTempLockWait / 8);
                    other.close();
                }
            });
            const ImageResult result = storing ? store(target) : load(source);
            holder.join();
            const ImageResult failure = storing ? ImageResult::S1Busy : ImageResult::L3Busy;
            EXPECT_EQ(result, letGo ? ImageResult::Success : failure);
            EXPECT_EQ(fs::exists(target), letGo);
            if (!letGo) {
                EXPECT_EQ(ReadAll(tempPath()), "another editor's text");
            }
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

// The lock is not on T itself, so T loads as a source; the lock file, held
// by the load itself, is refused as a source after the wait, as any source
// another holds past it is.
TEST_F(TempLockTest, TempFileItselfLoadsAsASource) {
    ASSERT_EQ(store(dir.file("set.ini")), ImageResult::Success);
    EXPECT_EQ(load(tempPath()), ImageResult::Success);

    WriteAll(TempLockPath(tempPath()), DefaultsImage());
    EXPECT_EQ(load(TempLockPath(tempPath())), ImageResult::L1);
}

} // namespace
