// Faults across the real file system on the store and load roads, each
// checked for what the user is told and for nothing lost: the record stays as
// it was and a later store to a sound place is whole.
#include "Image_transfer.h"

#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Set_def.h"
#include "Settings.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

class FaultInjectionTest : public ImageTest {
protected:
    // After a failure: a store to a sound path still gives the whole image
    // of the record as it stands.
    void expectLaterStoreIsWhole() {
        const std::string good = dir.file("good.ini");
        ASSERT_EQ(store(good), ImageResult::Success);
        EXPECT_EQ(ReadAll(good), DefaultsImage());
    }
};

TEST_F(FaultInjectionTest, DevicesAsSourceEndInL1WithTheRecordUntouched) {
    for (const char* device : {"/dev/zero", "/dev/null", "/dev/urandom"}) {
        EXPECT_EQ(load(device), ImageResult::L1) << device;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A runtime folder that has gone (a session ended, a variable left over)
// does not stop the roads: T goes to $TMPDIR instead.
TEST_F(FaultInjectionTest, MissingTempFolderFallsBackToTmpdir) {
    TempDirEnv missing(dir.file("no-such-folder"));
    const std::string fallback = dir.file("tmpdir");
    fs::create_directory(fallback);
    EnvVar tmpdir("TMPDIR", fallback);
    const std::string target = dir.file("out.ini");
    EXPECT_EQ(store(target), ImageResult::Success);
    EXPECT_EQ(ReadAll(target), DefaultsImage());
    EXPECT_TRUE(fs::exists(fallback + "/set_tmp.ini"));
    EXPECT_EQ(load(target), ImageResult::Success);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fs::exists(dir.file("no-such-folder")));
}

// Two editors of the same user store and load their own records at the same
// moment, again and again, through the one temporary file: each board gets
// its own editor's record, and each load gives its own board's record.
TEST_F(FaultInjectionTest, TwoEditorsAtOnceNeverCrossTheirRecords) {
    const auto editor = [this](const std::string& apn) {
        return [this, apn] {
            CopyText(settings.SET01, kLongTextSize, apn);
            const std::string board = dir.file(apn + ".ini");
            const std::string image = ReferenceImage(SettingsFileText(settings, false));
            int crossed = 0;
            for (int round = 0; round < 100; ++round) {
                if (store(board) != ImageResult::Success || ReadAll(board) != image)
                    ++crossed;
                if (load(board) != ImageResult::Success || std::string(settings.SET01) != apn)
                    ++crossed;
            }
            return std::min(crossed, 99);
        };
    };
    EXPECT_EQ(InChildProcesses({editor("first.apn"), editor("second.apn")}),
              (std::vector<int>{0, 0}));
}

TEST_F(FaultInjectionTest, BoardPulledOutBetweenStoreAndLoad) {
    const std::string board = dir.file("board");
    fs::create_directory(board);
    const std::string target = board + "/set.ini";
    ASSERT_EQ(store(target), ImageResult::Success);
    fs::remove_all(board);

    EXPECT_EQ(store(target), ImageResult::S5);
    EXPECT_EQ(load(target), ImageResult::L1);
}

TEST_F(FaultInjectionTest, FullBoardLosesNothingOfTheRecord) {
    const std::string board = dir.file("board");
    fs::create_directory(board);
    ScratchMount volume(board, "tmpfs", "size=4k");
    if (!volume.ok())
        GTEST_SKIP() << volume.why();
    WriteAll(board + "/filler", std::string(4096, 'f'));
    const Settings record = settings;
    EXPECT_EQ(store(board + "/set.ini"), ImageResult::S5);
    EXPECT_EQ(settings, record);
    expectLaterStoreIsWhole();
}

} // namespace
