// The five data commands end to end, with real files, a real temporary
// file, and the board as a FAT image found through a mount table.
#include "CommandsFixture.h"

#include "Archive_folder.h"
#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Volume_fixtures.h"
#include "Volume_list_linux.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace qmtest {
namespace {

namespace fs = std::filesystem;

using CommandsTest = CommandsFixture;

TEST_F(CommandsTest, EditedSettingsSavedToAFileAreTheImageToTheByteAndLoadBack) {
    loadDefaults();
    retype(find<QLineEdit>("Edit7"), "apn.test");
    retype(find<QLineEdit>("Edit24"), "250");
    retype(find<QLineEdit>("Edit30"), "15");
    QTest::mouseClick(find<QCheckBox>("CheckBox1"), Qt::LeftButton);
    retype(find<QLineEdit>("Edit8"), "5"); // below its bound: stored as 15

    const std::string path = dir.file("saved.ini");
    WriteAll(path, std::string(4000, 'x')); // overwritten without a question
    saveTo(path);
    EXPECT_EQ(dialogsRun, std::vector<qm::FileDialogKind>{qm::FileDialogKind::Save});
    EXPECT_EQ(status(), QString::fromStdString("Настройки записаны в " + path));
    EXPECT_TRUE(boxes.shown.empty());
    const std::string expected = ReferenceImage(DefaultsTextWith({{"SET01", "apn.test"},
                                                                  {"SET08", "250"},
                                                                  {"SET09", "15"},
                                                                  {"SET28", "7"},
                                                                  {"SET32", "15"}}));
    EXPECT_EQ(ReadAll(path), expected);
    // The temporary file holds the text part of the image.
    EXPECT_EQ(ReadAll(tempFile()),
              expected.substr(0, expected.find("\r\n", expected.find("CRC=")) + 2));

    // A fresh window loads it back.
    form = std::make_unique<qm::TForm1>();
    form->show();
    loadFrom(path);
    EXPECT_EQ(status(), QString::fromStdString("Настройки прочитаны из " + path));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(find<QLineEdit>("Edit7")->text(), "apn.test");
    EXPECT_EQ(find<QLineEdit>("Edit24")->text(), "250");
    EXPECT_EQ(find<QLineEdit>("Edit30")->text(), "15");
    EXPECT_EQ(find<QLineEdit>("Edit8")->text(), "15");
    EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(writeButtonsEnabled());
    EXPECT_EQ(ReadAll(tempFile()), expected);
}

TEST_F(CommandsTest, BadChecksumIsReportedAndStillEnablesTheWriteCommands) {
    const std::string path = dir.file("bad_checksum.ini");
    fs::copy_file(FixturePath("bad_checksum.ini"), path);
    loadFrom(path);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QString::fromStdString("Ошибка контрольной суммы " + path));
    EXPECT_EQ(status(), QString::fromStdString("Ошибка при чтении " + path));
    expectAllButtonsEnabled();
    EXPECT_EQ(form->form().modified(), 0); // nothing was read into the record
    EXPECT_FALSE(find<QLineEdit>("Edit7")->isEnabled());
}

struct FailureCase {
    const char* name;
    bool store;
    const char* status;
    const char* message;
    bool namesTempFile;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

// Each failure from a real fault: sets it up and returns the path of the operation.
class FailureTest : public CommandsTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    std::string arrange(const std::string& name) {
        if (name == "S1_LinkPlantedAtTheTemporaryFile" ||
            name == "L3_LinkPlantedAtTheTemporaryFile")
            fs::create_symlink(dir.file("elsewhere"), tempFile());
        if (name == "S1_LinkPlantedAtTheTemporaryFile")
            return dir.file("out.ini");
        if (name == "S2_TextsTooShortForAnImage") {
            for (int n = qm::kFirstSetting; n <= qm::kLastText; ++n)
                qm::TextField(record(), n)[0] = '\0';
            return dir.file("out.ini");
        }
        if (name == "S5_TargetFolderIsNotThere")
            return dir.file("gone/out.ini");
        if (name == "S5_TargetTakesNoBytes")
            return "/dev/full";
        if (name == "L1_SourceIsNotThere")
            return dir.file("absent.ini");
        if (name == "L1_SourceOf511Bytes") {
            WriteAll(dir.file("short.ini"), DefaultsImage().substr(0, 511));
            return dir.file("short.ini");
        }
        WriteAll(dir.file("good.ini"), DefaultsImage()); // L3
        return dir.file("good.ini");
    }
};

TEST_P(FailureTest, ShowsItsStatusAndMessage) {
    const FailureCase& c = GetParam();
    loadDefaults();
    const std::string path = arrange(c.name);
    boxes.shown.clear();
    if (c.store)
        saveTo(path);
    else
        loadFrom(path);
    EXPECT_EQ(status(), QString::fromStdString(c.status + path));
    ASSERT_FALSE(boxes.shown.empty());
    const std::string named = c.namesTempFile ? tempFile() : path;
    EXPECT_EQ(boxes.shown.back().text, QString::fromStdString(c.message + named));
    EXPECT_EQ(boxes.shown.back().kind, qm::BoxKind::Message);
    expectAllButtonsEnabled();
}

const FailureCase kFailures[] = {
    {"S1_LinkPlantedAtTheTemporaryFile", true, "Ошибка при записи ", "1. Не удаётся открыть ",
     true},
    {"S2_TextsTooShortForAnImage", true, "Ошибка при записи ", "2. Не удаётся открыть ", true},
    {"S5_TargetFolderIsNotThere", true, "Ошибка при записи ", "5. Не удаётся открыть ", false},
    {"S5_TargetTakesNoBytes", true, "Ошибка при записи ", "5. Не удаётся открыть ", false},
    {"L1_SourceIsNotThere", false, "Ошибка при чтении ", "2. Не удаётся открыть ", false},
    {"L1_SourceOf511Bytes", false, "Ошибка при чтении ", "2. Не удаётся открыть ", false},
    {"L3_LinkPlantedAtTheTemporaryFile", false, "Ошибка при чтении ", "3. Не удаётся открыть ",
     true},
};
INSTANTIATE_TEST_SUITE_P(Commands, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandsTest, WriterErrorShowsTheErrorBoxAndKeepsTheProgressText) {
    ScratchMount temp(tempDir(), "tmpfs", "size=4k,mode=0700");
    if (!temp.ok())
        GTEST_SKIP() << temp.why();
    WriteAll(tempDir() + "/filler", std::string(4096, 'f'));
    loadDefaults();
    const std::string path = dir.file("out.ini");
    saveTo(path);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, qm::BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].text, QString::fromStdString("Unable to write to " + tempFile()));
    EXPECT_EQ(status(), QString::fromStdString("Идёт запись в " + path));
    EXPECT_FALSE(fs::exists(path));
    expectAllButtonsEnabled();
}

// The board: a FAT image with the board's serial, named by a mount table
// whose mount point is a folder holding the board's set.ini.
class BoardTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        fs::create_directory(mountPoint());
        form->form().setVolumeSource(
            [this] { return qm::LinuxVolumes(mountinfo(), dir.file("by-uuid")); });
    }
    std::string mountPoint() const { return dir.file("QMBOARD"); }
    std::string mountinfo() const { return dir.file("mountinfo"); }
    std::string boardSettings() const { return mountPoint() + "/set.ini"; }

    // Makes the board with the stand-in tool and "mounts" it.
    void attachBoard(const std::string& labelOption) {
        const std::string image = dir.file("board.img");
        ASSERT_EQ(Shell(Quoted(QMBOARD_PATH) + " " + labelOption + " " + Quoted(image)), 0);
        WriteAll(boardSettings(), ReadFromImage(image, "set.ini", dir.file("scratch")));
        WriteAll(mountinfo(), MountinfoLine(100, mountPoint(), image));
    }
};

TEST_F(BoardTest, ReadFromAndWriteToTheBoard) {
    attachBoard("--label 'QM 3.1.4.1.5'");
    click("BitBtn2");
    EXPECT_EQ(status(), QString::fromStdString("Настройки прочитаны из " + boardSettings()));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(find<QLabel>("Label42")->text(), "QM 3.1.4.1.5");
    EXPECT_EQ(find<QLineEdit>("Edit24")->text(), "100");
    EXPECT_TRUE(writeButtonsEnabled());

    retype(find<QLineEdit>("Edit24"), "300");
    click("BitBtn3");
    EXPECT_EQ(status(), QString::fromStdString("Настройки записаны в " + boardSettings()));
    EXPECT_EQ(ReadAll(boardSettings()), ReferenceImage(DefaultsTextWith({{"SET08", "300"}})));
}

// The board's copies in the archive, oldest first.
std::vector<std::string> ArchivedIn(const std::string& dataHome, const std::string& board) {
    std::vector<std::string> copies;
    for (const qm::ArchiveEntry& entry : qm::BoardArchive(dataHome).list(board))
        copies.push_back(ReadAll(entry.path));
    return copies;
}

TEST_F(BoardTest, WhatTheBoardHeldIsKeptInTheArchive) {
    // The user's own files are never kept.
    WriteAll(dir.file("own.ini"), DefaultsImage());
    loadFrom(dir.file("own.ini"));
    saveTo(dir.file("own.ini"));
    EXPECT_FALSE(fs::exists(dataHome.file("qmconf")));

    attachBoard("--label 'QM 3.1.4.1.5'");
    const std::string asDelivered = ReadAll(boardSettings());
    click("BitBtn2");
    EXPECT_EQ(ArchivedIn(dataHome.path(), "QM 3.1.4.1.5"), std::vector<std::string>{asDelivered});
    retype(find<QLineEdit>("Edit24"), "300");
    click("BitBtn3"); // what it overwrites was kept by the read already
    const std::string written = ReadAll(boardSettings());
    loadDefaults();
    click("BitBtn3");

    EXPECT_EQ(status(), QString::fromStdString("Настройки записаны в " + boardSettings()));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ArchivedIn(dataHome.path(), "QM 3.1.4.1.5"), std::vector<std::string>{asDelivered});
    // The editor's own image carries no label.
    EXPECT_EQ(ArchivedIn(dataHome.path(), "unknown"), std::vector<std::string>{written});
}

TEST_F(BoardTest, AnArchiveThatCannotKeepChangesNothing) {
    attachBoard("");
    for (const bool full : {false, true}) {
        ScratchMount mount(dataHome.path(), "tmpfs", "size=4k");
        if (!mount.ok())
            GTEST_SKIP() << mount.why();
        if (full)
            WriteAll(dataHome.file("filler"), std::string(4096, 'f'));
        else
            ASSERT_TRUE(mount.makeReadOnly());
        click("BitBtn2");
        EXPECT_EQ(status(), QString::fromStdString("Настройки прочитаны из " + boardSettings()));
        click("BitBtn3");
        EXPECT_EQ(status(), QString::fromStdString("Настройки записаны в " + boardSettings()));
        EXPECT_EQ(ReadAll(boardSettings()), ReferenceImage(DefaultsTextWith({})));
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_TRUE(qm::BoardArchive(dataHome.path()).list().empty());
    }
}

TEST_F(BoardTest, BlankSerialLabelIsAssignedThroughTheSerialEntry) {
    attachBoard("--blank");
    click("BitBtn2");
    auto* entry = find<QLineEdit>("Edit21");
    ASSERT_TRUE(entry->isVisible());
    ASSERT_TRUE(entry->isEnabled());
    EXPECT_EQ(find<QLabel>("Label42")->text(), "QM . . . . .");

    focus(entry);
    typeText(entry, "QM 2.7.1.8.2");
    EXPECT_EQ(find<QLabel>("Label46")->text(), "QM 2.7.1.8.2");
    click("BitBtn3");
    EXPECT_EQ(status(), QString::fromStdString("Настройки записаны в " + boardSettings()));

    const auto lines = SplitCrLfLines(ReadAll(boardSettings()));
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[1], "SET99=QM 2.7.1.8.2");
    EXPECT_FALSE(entry->isVisible());
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_EQ(entry->text(), "");
    for (const char* caption : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(caption)->text(), "") << caption;
}

TEST_F(BoardTest, NoBoardShowsOnlyTheDiscoveryMessage) {
    WriteAll(mountinfo(), "");
    const QString before = status();
    click("BitBtn2");
    click("BitBtn3"); // still disabled: nothing happens
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Не удалось соединиться с устройством ");
    EXPECT_EQ(status(), before);
    EXPECT_FALSE(writeButtonsEnabled());
    EXPECT_EQ(form->form().modified(), 0);
}

TEST_F(BoardTest, BoardWithoutSettingsFileEndsInAReadError) {
    attachBoard("");
    fs::remove(boardSettings());
    click("BitBtn2");
    EXPECT_EQ(status(), QString::fromStdString("Ошибка при чтении " + boardSettings()));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromStdString("2. Не удаётся открыть " + boardSettings()));
    EXPECT_TRUE(writeButtonsEnabled());
}

} // namespace
} // namespace qmtest
