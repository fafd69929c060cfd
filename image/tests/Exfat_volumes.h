// Small exFAT volumes for the tests of a full volume, one with clusters of
// 4 KiB and one with clusters of 512 bytes: on Linux made by the test (a loop
// device, exfat-fuse; needs root), on Windows the drives the test run maps
// for it (QMCONF_TEST_FULL_DRIVES, e.g. "R:4096 S:512", which
// scripts/windows-tests.sh sets under Wine).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qmtest {

struct ExfatVolume {
    std::string root; // with its separator at the end: "/tmp/x/512/", "S:\"
    unsigned clusterBytes = 0;
};

class ExfatVolumes {
public:
    // folder: where a platform that makes its volumes makes them.
    explicit ExfatVolumes(const std::string& folder);
    ~ExfatVolumes();
    ExfatVolumes(const ExfatVolumes&) = delete;
    ExfatVolumes& operator=(const ExfatVolumes&) = delete;

    std::vector<ExfatVolume> volumes;
    std::string why; // why there are none

private:
    struct Mounted;
    std::vector<std::unique_ptr<Mounted>> mounted_;
};

} // namespace qmtest
