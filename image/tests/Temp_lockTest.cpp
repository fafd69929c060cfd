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
        for (const bool store : {true, false}) {
            File other;
            ASSERT_TRUE(other.open(TempLockPath(tempPath()), File::Mode::Hold));
            ASSERT_TRUE(other.tryLock());
            std::thread holder([&other, letGo] {
                if (letGo) {
                    std::this_thread::sleep_for(kTempLockWait / 8);
                    other.close();
                }
            });
            before = settings;
            modified = 0;
            const ImageResult result =
                store ? WriteImage(target, entry, messages) : ReadImage(source, messages);
            holder.join();
            const ImageResult failure = store ? ImageResult::S1Busy : ImageResult::L3Busy;
            EXPECT_EQ(result, letGo ? ImageResult::Success : failure);
            EXPECT_EQ(fs::exists(target), letGo);
            EXPECT_EQ(recordUntouched(), store || !letGo); // a load sets the modified flag
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
    ASSERT_EQ(WriteImage(dir.file("set.ini"), entry, messages), ImageResult::Success);
    markRecord();
    EXPECT_EQ(ReadImage(tempPath(), messages), ImageResult::Success);
    EXPECT_FALSE(recordUntouched());

    WriteAll(TempLockPath(tempPath()), DefaultsImage());
    markRecord();
    EXPECT_EQ(ReadImage(TempLockPath(tempPath()), messages), ImageResult::L1);
    EXPECT_TRUE(recordUntouched());
}

} // namespace
