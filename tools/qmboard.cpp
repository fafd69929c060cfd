// qmboard: a stand-in for the board, to try the device commands without one.
//
// Makes a FAT image file whose volume serial number is the board's
// (C208-9526) and whose root holds set.ini as the board keeps it: the
// settings image of the factory defaults with the board's serial label under
// the key ID. Mounted as a loop device (udisksctl loop-setup -f board.img),
// the editor finds it like the board.
#include "Board_image.h"
#include "Run_program.h"

#include "Cp1251.h"
#include "Device_path.h"
#include "Settings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kUsage[] = "usage: qmboard [--label TEXT | --blank] [--size KIB] [--force] IMAGE\n"
                      "\n"
                      "Makes IMAGE, a FAT volume with serial number C208-9526 holding\n"
                      "set.ini with the factory settings, as the board presents itself.\n"
                      "  --label TEXT  the board's serial label, up to 12 characters\n"
                      "                (default \"QM 1.2.3.4.5\")\n"
                      "  --blank       a board without a serial label yet: ID is the byte\n"
                      "                0xFF, and the editor offers the serial entry\n"
                      "  --size KIB    size of the volume in KiB, 128 to 4194304 (default 1024)\n"
                      "  --force       replace IMAGE when it exists\n"
                      "Needs mkfs.vfat (dosfstools) and mcopy (mtools).\n";

struct Options {
    std::string id = qmboard::kDemoLabel;
    long sizeKib = 1024;
    bool force = false;
    std::string image;
};

int fail(const std::string& text) {
    std::cerr << "qmboard: " << text << "\n";
    return 1;
}

// The label in code page 1251, as the board keeps it; empty when unfit.
std::string labelId(const std::string& utf8) {
    std::string cp;
    if (!qm::Cp1251FromUtf8(utf8, cp) || cp.empty() || cp.size() >= qm::kSerialSize)
        return {};
    for (const unsigned char c : cp) {
        if (c < 0x20)
            return {};
    }
    return cp;
}

// Parses the command line; false with a message on stderr when it is unfit.
bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--label" && hasValue) {
            options.id = labelId(argv[++i]);
            if (options.id.empty()) {
                fail("the label must be 1 to 12 printable characters of code page 1251");
                return false;
            }
        } else if (arg == "--blank") {
            options.id = qmboard::kBlankId;
        } else if (arg == "--size" && hasValue) {
            char* end = nullptr;
            options.sizeKib = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || options.sizeKib < 128 || options.sizeKib > 4194304) {
                fail("the size must be 128 to 4194304 KiB");
                return false;
            }
        } else if (arg == "--force") {
            options.force = true;
        } else if (!arg.empty() && arg[0] != '-' && options.image.empty()) {
            options.image = arg;
        } else {
            std::cerr << kUsage;
            return false;
        }
    }
    if (options.image.empty()) {
        std::cerr << kUsage;
        return false;
    }
    return true;
}

// A private folder for the set.ini that is copied in; removed when it goes.
class WorkDir {
public:
    WorkDir() {
        const fs::path pattern = fs::temp_directory_path() / "qmboard-XXXXXX";
        std::string name = pattern.string();
        if (::mkdtemp(name.data()))
            path_ = name;
    }
    ~WorkDir() {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

int makeBoard(const Options& options) {
    const std::string mkfs = qmboard::FindProgram("mkfs.vfat");
    if (mkfs.empty())
        return fail("mkfs.vfat not found: install dosfstools");
    const std::string mcopy = qmboard::FindProgram("mcopy");
    if (mcopy.empty())
        return fail("mcopy not found: install mtools");

    std::error_code ec;
    const fs::file_status status = fs::symlink_status(options.image, ec);
    if (fs::exists(status)) {
        if (!options.force)
            return fail(options.image + " exists; give --force to replace it");
        if (!fs::is_regular_file(status))
            return fail(options.image + " is not a regular file; not replaced");
        if (!fs::remove(options.image, ec))
            return fail("cannot remove " + options.image + ": " + ec.message());
    }

    WorkDir work;
    if (work.path().empty())
        return fail("cannot create a temporary folder");
    const std::string settingsFile = work.path() + "/set.ini";
    if (!writeFile(settingsFile, qmboard::BoardSettingsImage(options.id)))
        return fail("cannot write " + settingsFile);

    char serial[16];
    std::snprintf(serial, sizeof serial, "%08X", static_cast<unsigned>(qm::kBoardSerial));
    if (qmboard::RunProgram(mkfs, {"-C", "-i", serial, "-n", "QMBOARD", options.image,
                                   std::to_string(options.sizeKib)}) != 0) {
        fs::remove(options.image, ec);
        return fail("mkfs.vfat could not make " + options.image);
    }
    if (qmboard::RunProgram(mcopy, {"-i", options.image, settingsFile, "::set.ini"}) != 0) {
        fs::remove(options.image, ec);
        return fail("mcopy could not copy set.ini into " + options.image);
    }

    const std::string id = options.id == qmboard::kBlankId ? std::string("blank (0xFF)")
                                                           : qm::Utf8FromCp1251(options.id);
    std::cout << options.image << ": FAT volume C208-9526 with set.ini (factory settings, ID " << id
              << ")\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    return makeBoard(options);
}
