// What a store says is what the target then holds, on POSIX systems: a file
// held past the read-back's wait is written and says so (status 4); a
// device gets nothing and the store fails as for a target it cannot open.
#include "CliTest.h"

#include "ImageTestPosix.h"

namespace qmtest {
namespace {

using StoreTest = CliTest;

TEST_F(StoreTest, WrittenButNotCheckedHasAStatusOfItsOwn) {
    WriteAll(file("кресло.ini"), "old");
    std::filesystem::create_hard_link(file("кресло.ini"), file("второе имя.ini"));
    LockHolder other(file("кресло.ini"));
    ASSERT_TRUE(other.locked());
    const CliRun copied = run({"copy", "defaults", "кресло.ini"});
    EXPECT_EQ(copied.status, 4);
    EXPECT_EQ(copied.out, "");
    EXPECT_EQ(copied.err, "qmconf-cli: Настройки записаны в кресло.ini. Проверить запись не "
                          "удалось: файл занят другой программой или недоступен.\n"
                          "qmconf-cli: 6. Не удаётся проверить кресло.ini\n");
    other.release();
    EXPECT_EQ(ReadAll(file("кресло.ini")), DefaultsImage());
}

TEST_F(StoreTest, ADeviceGetsNothing) {
    const CliRun copied = run({"copy", "defaults", "/dev/null"});
    EXPECT_EQ(copied.status, 3);
    EXPECT_EQ(copied.err, "qmconf-cli: Ошибка при записи /dev/null\n"
                          "qmconf-cli: 5. Не удаётся открыть /dev/null\n");
}

} // namespace
} // namespace qmtest
