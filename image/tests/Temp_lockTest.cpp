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

class TempLockTest : public ImageTest {
protected:
    void SetUp() override {
        ImageTest::SetUp();
        WriteAll(source, DefaultsImage());
        WriteAll(tempPath(), "another editor's text");
        ASSERT_TRUE(other.open(TempLockPath(tempPath()), File::Mode::Hold));
        ASSERT_TRUE(other.tryLock());
    }

    ImageResult run(bool store) {
        return store ? WriteImage(target, entry, messages) : ReadImage(source, messages);
    }

    const std::string source = dir.file("source.ini");
    const std::string target = dir.file("set.ini");
    File other;
};

// Held past the wait, the lock ends the store in S1 and the load in L3 with
// T, the record and the target untouched; let go within it, it is taken.
TEST_F(TempLockTest, LockHeldElsewhere) {
    for (const bool letGo : {false, true}) {
        for (const bool store : {true, false}) {
            if (!other.isOpen()) {
                ASSERT_TRUE(other.open(TempLockPath(tempPath()), File::Mode::Hold));
                ASSERT_TRUE(other.tryLock());
            }
            std::thread holder([this, letGo] {
                if (letGo) {
                    std::this_thread::sleep_for(kTempLockWait / 8);
                    other.close();
                }
            });
            before = settings;
            modified = 0;
            const ImageResult result = run(store);
            holder.join();
            const ImageResult failure = store ? ImageResult::S1 : ImageResult::L3;
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
// by the load itself, is refused as a source at once, as any source held by
// another is, rather than waited for.
TEST_F(TempLockTest, TempFileItselfLoadsAsASource) {
    other.close();
    ASSERT_EQ(WriteImage(target, entry, messages), ImageResult::Success);
    markRecord();
    EXPECT_EQ(ReadImage(tempPath(), messages), ImageResult::Success);
    EXPECT_FALSE(recordUntouched());

    WriteAll(TempLockPath(tempPath()), DefaultsImage());
    markRecord();
    EXPECT_EQ(ReadImage(TempLockPath(tempPath()), messages), ImageResult::L1);
    EXPECT_TRUE(recordUntouched());
}

} // namespace
