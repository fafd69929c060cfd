// The window with a folder of its own for the files of a test and the
// user's temporary directory pointed into it, and the data commands at hand.
#pragma once

#include "ImageTestSupport.h"
#include "TestSupport.h"
#include "UiTest.h"

#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

namespace qmtest {

class CommandsFixture : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::filesystem::create_directory(tempDir());
        env_ = std::make_unique<TempDirEnv>(tempDir());
    }
    void TearDown() override {
        env_.reset();
        WindowTest::TearDown();
    }

    std::string tempDir() const { return dir.file("tmp"); }
    std::string tempFile() const { return TempPathIn(tempDir()); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    QString status() const { return QString::fromStdString(form->text(qm::Id::StatusBar1)); }
    bool writeButtonsEnabled() const {
        return find<QPushButton>("BitBtn3")->isEnabled() &&
               find<QPushButton>("BitBtn8")->isEnabled();
    }
    void expectAllButtonsEnabled() const {
        for (const char* name :
             {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn8", "BitBtn11", "BitBtn12"})
            EXPECT_TRUE(find<QPushButton>(name)->isEnabled()) << name;
    }
    void saveTo(const std::string& path) {
        nextFileName = QString::fromStdString(path);
        click("BitBtn8");
    }
    void loadFrom(const std::string& path) {
        nextFileName = QString::fromStdString(path);
        click("BitBtn11");
    }

    TempDir dir;

private:
    std::unique_ptr<TempDirEnv> env_;
};

} // namespace qmtest
