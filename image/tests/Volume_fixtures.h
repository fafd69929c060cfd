// Real FAT volumes for the discovery tests: image files made by mkfs.vfat,
// filled and read back with mtools, and mount tables that name them.
#pragma once

#include <cstdint>
#include <string>

namespace qmtest {

// Runs a shell command with /usr/sbin and /sbin on PATH (where mkfs.vfat and
// blkid live); its exit code. Output goes to the test log.
int Shell(const std::string& command);

// Runs a shell command as Shell does; what it wrote to standard output.
std::string ShellOutput(const std::string& command);

// The text in single quotes, safe for the shell.
std::string Quoted(const std::string& text);

// Makes a FAT image file of 1 MiB with the given volume serial number;
// throws when mkfs.vfat fails.
void MakeFatImage(const std::string& image, std::uint32_t serial);

// Copies bytes into the image's root as name; throws when mcopy fails.
void PutIntoImage(const std::string& image, const std::string& name, const std::string& bytes);

// The bytes of name in the image's root, copied out with mcopy into scratch
// (a file path); throws when mcopy fails.
std::string ReadFromImage(const std::string& image, const std::string& name,
                          const std::string& scratch);

// The UUID that blkid's low-level probe reports for a file, line end removed.
std::string BlkidUuid(const std::string& path);

// One /proc/self/mountinfo line: a vfat file system from source seen at
// mountPoint (blanks written as the kernel writes them).
std::string MountinfoLine(int id, const std::string& mountPoint, const std::string& source);

} // namespace qmtest
