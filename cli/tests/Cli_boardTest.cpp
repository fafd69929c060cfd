// The board, found as the window's device commands find it: shown, written
// with its old image kept in the board archive first, and the archive listed.
#include "CliTest.h"

#include "Archive_folder.h"
#include "Board_archive.h"
#include "Cp1251.h"

namespace qmtest {
namespace {

using BoardTest = CliTest;

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(BoardTest, ShownWrittenAndItsArchiveListed) {
    BoardStandIn board(dir.path());
    if (!board.missing.empty())
        GTEST_SKIP() << board.missing;
    const std::string delivered = ReadAll(board.settingsPath);

    const CliRun shown = run({"show", "board"});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_TRUE(holds(shown.out, "Метка платы: \"QM 1.2.3.4.5\"\n")) << shown.out;

    WriteAll(file("шаблон.ini"), DefaultsImage());
    const CliRun set = run({"set", "шаблон.ini", "board", "SET08=250"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "Настройки записаны в " + board.settingsPath + "\n");
    const std::string written = ImageWith({{"SET08", "250"}});
    EXPECT_EQ(ReadAll(board.settingsPath), written);
    EXPECT_EQ(run({"check", "board"}).out, board.settingsPath + ": образ настроек в порядке\n");

    // The read kept what the board held, so the first write added nothing;
    // the second keeps what the first wrote.
    EXPECT_EQ(run({"copy", "defaults", "board"}).status, 0);
    const CliRun listed = run({"archive"});
    EXPECT_EQ(listed.status, 0);
    const std::size_t lines =
        static_cast<std::size_t>(std::count(listed.out.begin(), listed.out.end(), '\n'));
    EXPECT_EQ(lines, 2u) << listed.out;
    EXPECT_TRUE(holds(listed.out, "  \"QM 1.2.3.4.5\"  прочитан с платы  ")) << listed.out;
    EXPECT_TRUE(holds(listed.out, "  метка неизвестна  перед записью на плату  ")) << listed.out;
    const CliRun one = run({"archive", "QM 1.2.3.4.5"});
    ASSERT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 1) << one.out;
    const std::string kept = one.out.substr(one.out.rfind("  ") + 2, std::string::npos);
    EXPECT_EQ(ReadAll(kept.substr(0, kept.size() - 1)), delivered);

    if (board.unplug()) {
        const CliRun none = run({"show", "board"});
        EXPECT_EQ(none.status, 3);
        EXPECT_EQ(none.err, "qmconf-cli: Не удалось соединиться с устройством\n");
    }
}

// A label given in Cyrillic finds the folder that the label the board holds,
// in code page 1251, was given.
TEST_F(BoardTest, ArchiveOfABoardWithACyrillicLabel) {
    std::string label;
    ASSERT_TRUE(qm::Cp1251FromUtf8("Кресло 7", label));
    ASSERT_EQ(qm::BoardArchive().keep(ImageWith({{"ID", label}}), qm::Occasion::Read, 0),
              qm::BoardArchive::Kept::Yes);
    const CliRun listed = run({"archive", "Кресло 7"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(holds(listed.out, "  прочитан с платы  ")) << listed.out;
}

// A board whose old image cannot be kept is not written unless the
// technician says so; an archive that cannot be read is no empty one.
TEST_F(BoardTest, NotWrittenWhenItsOldImageCannotBeKept) {
    BoardStandIn board(dir.path());
    if (!board.missing.empty())
        GTEST_SKIP() << board.missing;
    const std::string delivered = ReadAll(board.settingsPath);
    WriteAll(file("данные"), "a file where the data folder belongs");
    const DataHomeEnv unusable(file("данные"));

    const CliRun refused = run({"copy", "defaults", "board"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(holds(refused.err, "прежний образ платы не удаётся сохранить в архиве плат " +
                                       qm::ArchivePath(file("данные"))))
        << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(ReadAll(board.settingsPath), delivered);

    const CliRun forced = run({"copy", "--no-archive", "defaults", "board"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(ReadAll(board.settingsPath), DefaultsImage());

    const CliRun listed = run({"archive"});
    EXPECT_EQ(listed.status, 3);
    EXPECT_TRUE(holds(listed.err, "архив плат не удаётся прочитать")) << listed.err;
}

} // namespace
} // namespace qmtest
