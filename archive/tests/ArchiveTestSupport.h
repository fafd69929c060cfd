// Helpers of the archive tests: the user's data folder pointed at a folder of
// the test's own, and board images with a serial label.
#pragma once

#include <string>

namespace qmtest {

// Points the user's data folder at dir for the life of the object and
// restores the environment after: $XDG_DATA_HOME on POSIX systems,
// %LOCALAPPDATA% on Windows. No test may keep copies in the real one.
class DataHomeEnv {
public:
    explicit DataHomeEnv(const std::string& dir);
    ~DataHomeEnv();
    DataHomeEnv(const DataHomeEnv&) = delete;
    DataHomeEnv& operator=(const DataHomeEnv&) = delete;

private:
    bool had_ = false;
    std::string old_;
};

// A 2048-byte image as a board keeps it: "ID=" + id, then SET01 = set01.
std::string BoardImage(const std::string& id, const std::string& set01 = "apn");

} // namespace qmtest
