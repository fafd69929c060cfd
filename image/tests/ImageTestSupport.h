// Helpers of the image tests: an independent image builder, a private
// temporary directory for T, scratch mounts and a lock held by another process.
#pragma once

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>

namespace qmtest {

// A bitwise CRC-32, written apart from the production byte step.
std::uint32_t ReferenceCrc(const std::string& bytes);

// The image of a settings file text ending in "CRC=0" CR LF, built
// independently: the text without its last three bytes, the checksum digits,
// CR LF, then CR LF pairs up to size bytes (no padding when already longer).
std::string ReferenceImage(const std::string& settingsText, std::size_t size = 2048);

// A settings file text: [SYSTEM], SET01 with the given value, then "CRC=0".
std::string TinySettingsText(const std::string& set01);

// Points the user's temporary directory at a folder of its own for the life
// of the object (through $XDG_RUNTIME_DIR) and restores the environment after.
class TempDirEnv {
public:
    explicit TempDirEnv(const std::string& dir);
    ~TempDirEnv();
    TempDirEnv(const TempDirEnv&) = delete;
    TempDirEnv& operator=(const TempDirEnv&) = delete;

private:
    bool hadXdg_ = false;
    std::string oldXdg_;
};

// A file system mounted at an existing folder, in a mount namespace private to
// this test process, so nothing outlives it. Needs root; when mounting is not
// permitted, ok() is false and why() says what failed.
class ScratchMount {
public:
    ScratchMount(const std::string& dir, const char* type, const char* options);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;
    bool ok() const { return ok_; }
    const std::string& why() const { return why_; }
    bool makeReadOnly();

private:
    std::string dir_;
    bool ok_ = false;
    std::string why_;
};

// Another process that holds an exclusive flock on a file until released;
// locked() is false when the lock was not free.
class LockHolder {
public:
    explicit LockHolder(const std::string& path);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool locked() const { return locked_; }
    void release();

private:
    pid_t child_ = -1;
    int releaseFd_ = -1;
    bool locked_ = false;
};

// Each test starts with the factory defaults in the record, the modified flag
// clear, and T in a folder of its own (tempDir()).
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string tempDir() const { return dir.file("run"); }
    std::string tempPath() const { return tempDir() + "/set_tmp.ini"; }

    TempDir dir;
    RecordingMessages messages;
    FakeSerialEntry entry;

private:
    std::unique_ptr<TempDirEnv> env_;
};

} // namespace qmtest
