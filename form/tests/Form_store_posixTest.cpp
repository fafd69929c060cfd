// A store the window cannot check: the settings and the typed serial label
// are on the target, so the serial entry has done its work as after a store
// that was checked.
#include "Fake_view.h"

#include "ImageTestPosix.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qmtest {
namespace {

TEST(FormStoreTest, AStoreThatCannotBeCheckedEndsTheSerialEntry) {
    const TempDir dir;
    const TempDirEnv temp(dir.path());
    const std::string file = dir.file("chair.ini");
    WriteAll(file, DefaultsImage());
    // A second name keeps the store writing in place, under the holder's lock.
    std::filesystem::create_hard_link(file, dir.file("other.ini"));
    FakeDriver d;
    d.click("BitBtn1");
    d.form().record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    d.showAll();
    d.retype("Edit21", "QM 4");
    LockHolder other(file);
    ASSERT_TRUE(other.locked());
    d.view.nextPath = file;
    d.click("BitBtn8");
    other.release();
    EXPECT_EQ(d.view.text(qm::Id::StatusBar1).rfind("Настройки записаны в " + file, 0), 0u)
        << d.view.text(qm::Id::StatusBar1);
    EXPECT_NE(ReadAll(file).find("SET99=QM 4\r\n"), std::string::npos);
    EXPECT_FALSE(d.view.shown(qm::Id::Edit21));
    EXPECT_FALSE(d.view.enabled(qm::Id::Edit21));
    EXPECT_EQ(d.view.text(qm::Id::Edit21), "");
}

} // namespace
} // namespace qmtest
