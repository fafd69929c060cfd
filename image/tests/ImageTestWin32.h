// Helpers of the Windows-only image tests.
#pragma once

#include <cstdint>
#include <string>

namespace qmtest {

// A handle on an existing file, as another program would keep one, until
// released. Sharing::None lets no other open through at all; Sharing::All
// lets others read, write and delete meanwhile. held() is false when the
// file could not be opened.
class HeldFile {
public:
    enum class Sharing { None, All };
    HeldFile(const std::string& path, Sharing sharing);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const;
    void release();

private:
    std::intptr_t handle_;
};

// Another program holding a file: file_holder.exe (beside the test
// program) run with its arguments, until it ends or the object goes, which
// ends it. ready() is true once it has said its first word ("held",
// "watching"), that is, once it holds or watches the file.
class HoldingProgram {
public:
    HoldingProgram(const std::string& mode, const std::string& path, unsigned milliseconds);
    ~HoldingProgram();
    HoldingProgram(const HoldingProgram&) = delete;
    HoldingProgram& operator=(const HoldingProgram&) = delete;
    bool ready() const { return ready_; }

private:
    std::intptr_t process_;
    bool ready_ = false;
};

// Makes dir the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& dir);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::wstring old_;
};

// Whether GetTempPathW gives a directory at this moment.
bool SystemGivesTempDirectory();

// Whether the file at path can be opened for reading with no sharing at this
// moment, that is, no one else has it open.
bool NobodyHolds(const std::string& path);

} // namespace qmtest
