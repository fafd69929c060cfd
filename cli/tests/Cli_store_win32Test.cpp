// A name Windows keeps for a device (a serial port, the console, the null
// device) gets nothing, with or without an extension, and no file of that
// name is made: the store fails as for a target it cannot open. Nor is such
// a name opened to be read, which could wait for ever.
#include "CliTest.h"

namespace qmtest {
namespace {

using StoreTest = CliTest;

TEST_F(StoreTest, DevicesByTheirKeptNamesGetNothing) {
    for (const std::string name : {"aux.ini", "com1.ini", "COM1", "nul", "CON"}) {
        const CliRun copied = run({"copy", "defaults", name});
        EXPECT_EQ(copied.status, 3) << name;
        EXPECT_EQ(copied.err, "qmconf-cli: Ошибка при записи " + name +
                                  "\nqmconf-cli: 5. Не удаётся открыть " + name + "\n");
        // Nor is one read: a serial port keeps a read waiting.
        const CliRun shown = run({"show", name});
        EXPECT_EQ(shown.status, 3) << name;
        EXPECT_EQ(shown.err, "qmconf-cli: Ошибка при чтении " + name +
                                 "\nqmconf-cli: 2. Не удаётся открыть " + name + "\n");
    }
    // The folder holds only what the store's temporary file left.
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::u8path(dir.path())))
        EXPECT_EQ(entry.path().filename().u8string().rfind("set_tmp.ini", 0), 0u)
            << entry.path().filename().u8string();
}

} // namespace
} // namespace qmtest
