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

TEST_F(TempLockTest, LockHeldElsewhereEndsEachRoadInItsCaseForT) {
    for (const bool store : {true, false}) {
        markRecord();
        EXPECT_EQ(run(store), store ? ImageResult::S1 : ImageResult::L3);
        EXPECT_EQ(ReadAll(tempPath()), "another editor's text");
        EXPECT_TRUE(recordUntouched());
        EXPECT_FALSE(fs::exists(target));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(TempLockTest, LockLetGoWithinTheWaitIsTaken) {
    for (const bool store : {true, false}) {
        if (!other.isOpen()) {
            ASSERT_TRUE(other.open(TempLockPath(tempPath()), File::Mode::Hold));
            ASSERT_TRUE(other.tryLock());
        }
        std::thread letGo([this] {
            std::this_thread::sleep_for(kTempLockWait / 8);
            other.close();
        });
        const ImageResult result = run(store);
        letGo.join();
        EXPECT_EQ(result, ImageResult::Success);
    }
    EXPECT_EQ(ReadAll(target), DefaultsImage());
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
