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
