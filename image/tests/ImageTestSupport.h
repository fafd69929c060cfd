// Helpers of the image tests on every platform: an independent image builder,
// the user's temporary directory pointed at a folder of the test's own, and
// the fixture that starts each test from the factory defaults.
#pragma once

#include "Image_transfer.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace qm {
enum class ImageResult;
// An outcome by its name in a failed check: "S5", "WrittenUnchecked".
void PrintTo(ImageResult result, std::ostream* os);
} // namespace qm

namespace qmtest {

// A bitwise CRC-32, written apart from the production byte step.
std::uint32_t ReferenceCrc(const std::string& bytes);

// The image of a settings file text ending in "CRC=0" CR LF, built
// independently: the text without its last three bytes, the checksum digits,
// CR LF, then CR LF pairs up to size bytes (no padding when already longer).
std::string ReferenceImage(const std::string& settingsText, std::size_t size = 2048);

// A 2048-byte image as a board keeps it: "ID=" + id, then SET01 = set01.
std::string BoardImage(const std::string& id, const std::string& set01 = "apn");

// The image with one byte of its settings text changed: its checksum fails.
std::string Damaged(std::string image);

// A settings file text: [SYSTEM], SET01 with the given value, then "CRC=0".
std::string TinySettingsText(const std::string& set01);

// n bytes of capital letters that repeat only every 26 bytes.
std::string Pattern(std::size_t n);

// The settings file text of the factory defaults, from the checked-in golden
// file, with the given lines: a key of the file takes the value given, any
// other key ("ID", "SET99") is put right after the section header.
std::string DefaultsTextWith(const std::vector<std::pair<std::string, std::string>>& lines);

// The image of the factory defaults; the record is left as it was.
std::string DefaultsImage();

// Points the user's temporary directory at dir for the life of the object and
// restores the environment after: $XDG_RUNTIME_DIR on POSIX systems, %TMP% on
// Windows (the first place GetTempPathW looks).
struct TempDirEnv : EnvVar {
    explicit TempDirEnv(const std::string& dir);
};

// Where the store and the load must put T while the user's temporary
// directory is dir: dir + "/set_tmp.ini" on POSIX systems; on Windows the
// directory in its Windows form as GetTempPathW reports it, with its trailing
// separator, then "\set_tmp.ini" (the separator stands twice).
std::string TempPathIn(const std::string& dir);

// Each test starts with the factory defaults in its record and T in a folder
// of its own (tempDir()).
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string tempDir() const { return dir.file("run"); }
    std::string tempPath() const { return TempPathIn(tempDir()); }

    // Stores the test's record at path, the serial label with it when
    // withSerial.
    qm::ImageResult store(const std::string& path) {
        return qm::WriteImage(path, settings, withSerial, messages);
    }
    // Loads the image at path; a successful load gives the test its record.
    qm::ImageResult load(const std::string& path) {
        const qm::ImageRead read = qm::ReadImage(path, messages);
        if (read.result == qm::ImageResult::Success)
            settings = read.record;
        return read.result;
    }

    TempDir dir;
    RecordingMessages messages;
    qm::Settings settings{};
    bool withSerial = false; // the window's serial entry offered

private:
    std::unique_ptr<TempDirEnv> env_;
};

} // namespace qmtest
