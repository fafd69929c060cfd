// The road to the board: what a load or a store keeps in the board archive,
// and that a board whose old image must be kept and cannot be is not written.
#include "Board_road.h"

#include "ImageTestSupport.h"
#include "Set_def.h"
#include "Temp_file.h"
#include "Temp_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace qmtest {
namespace {

using qm::Medium;
using qm::Occasion;
using qm::OldImage;

// One volume with the board's serial: a folder of the test's own.
class OneBoard : public qm::VolumeList {
public:
    explicit OneBoard(std::string root) : root_(std::move(root)) {}
    std::vector<std::string> roots() override { return {root_}; }
    std::optional<std::uint32_t> serialOf(const std::string&) override { return qm::kBoardSerial; }
    std::string settingsPath(const std::string& root) const override { return root + "/set.ini"; }

private:
    std::string root_;
};

class BoardRoadTest : public ::testing::Test {
protected:
    BoardRoadTest() {
        std::filesystem::create_directory(std::filesystem::u8path(board));
        WriteAll(board + "/set.ini", held);
        WriteAll(dir.file("chair.ini"), BoardImage("QM 7"));
    }
    qm::BoardRoad road(OldImage old) {
        return qm::BoardRoad([this] { return std::make_unique<OneBoard>(board); }, old);
    }
    std::vector<Occasion> kept() const {
        std::vector<Occasion> occasions;
        for (const qm::ArchiveEntry& entry : qm::BoardArchive().list())
            occasions.push_back(entry.occasion);
        return occasions;
    }

    TempDir dir;
    const TempDirEnv temp{dir.path()};
    const std::string board = dir.file("QMBOARD");
    const std::string held = BoardImage("QM 1.2.3.4.5");
    RecordingMessages messages;
};

struct Case {
    const char* name;
    bool store; // a store of the defaults, else a load
    Medium medium;
    const char* file; // in the board's root, or beside it
    std::vector<Occasion> kept;
    bool archiveUsable = true;
    OldImage old = OldImage::KeptIfPossible;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const Case kCases[] = {
    {"ReadFromTheBoard", false, Medium::Board, "QMBOARD/set.ini", {Occasion::Read}},
    {"TheBoardsSetIniReadAsAFile", false, Medium::File, "QMBOARD/set.ini", {}},
    {"WrittenToTheBoard", true, Medium::Board, "QMBOARD/set.ini", {Occasion::BeforeWrite}},
    {"TheBoardsSetIniWrittenByItsPath",
     true,
     Medium::File,
     "QMBOARD/set.ini",
     {Occasion::BeforeWrite}},
    {"WrittenToAFile", true, Medium::File, "chair.ini", {}},
    {"OldImageLostButTheBoardWritten", true, Medium::Board, "QMBOARD/set.ini", {}, false},
    {"OldImageThatMustBeKept",
     true,
     Medium::Board,
     "QMBOARD/set.ini",
     {},
     false,
     OldImage::MustBeKept},
};

class BoardRoadCase : public BoardRoadTest, public ::testing::WithParamInterface<Case> {};

TEST_P(BoardRoadCase, KeepsWhatTheBoardHeld) {
    const Case& c = GetParam();
    const std::string path = dir.file(c.file), before = ReadAll(path);
    WriteAll(dir.file("not a folder"), "");
    const DataHomeEnv data(c.archiveUsable ? dir.file("data") : dir.file("not a folder"));
    qm::BoardRoad r = road(c.old);
    if (!c.store) {
        const qm::ImageRead read = r.load(path, c.medium, messages);
        EXPECT_EQ(read.result, qm::ImageResult::Success);
    } else if (!c.archiveUsable && c.old == OldImage::MustBeKept) {
        EXPECT_THROW(r.store(path, c.medium, qm::Set_def(), false, messages), qm::BoardNotKept);
        EXPECT_EQ(ReadAll(path), before); // the board is not written
    } else {
        EXPECT_EQ(r.store(path, c.medium, qm::Set_def(), false, messages),
                  qm::ImageResult::Success);
        EXPECT_EQ(ReadAll(path), DefaultsImage());
    }
    EXPECT_EQ(kept(), c.kept);
    if (!c.kept.empty()) {
        EXPECT_EQ(ReadAll(qm::BoardArchive().list()[0].path), before);
    }
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Road, BoardRoadCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What another editor wrote to the board while this store waited for the
// temporary file is what this store overwrites, so that is what is kept.
TEST_F(BoardRoadTest, KeepsWhatTheBoardHoldsAtTheMomentItIsWritten) {
    const DataHomeEnv data(dir.file("data"));
    auto otherEditor = std::make_unique<qm::TempFileLock>(qm::TempFilePath());
    ASSERT_TRUE(otherEditor->held());
    qm::BoardRoad r = road(OldImage::MustBeKept);
    qm::ImageResult result = qm::ImageResult::S1;
    std::thread store([&] {
        result = r.store(board + "/set.ini", Medium::Board, qm::Set_def(), false, messages);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string meanwhile = BoardImage("QM 1.2.3.4.5", "meanwhile");
    WriteAll(board + "/set.ini", meanwhile);
    otherEditor.reset();
    store.join();

    EXPECT_EQ(result, qm::ImageResult::Success);
    const std::vector<qm::ArchiveEntry> copies = qm::BoardArchive().list();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadAll(copies[0].path), meanwhile);
}

} // namespace
} // namespace qmtest
