// Enter walks each page's chain and on through the four pages in a cycle.
#include "UiTest.h"

#include "Settings.h"

#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace qmtest {
namespace {

class NavigationTest : public WindowTest {
protected:
    int page() const { return form->findChild<QTabWidget*>("PageControl1")->currentIndex(); }
    void enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        pressEnter(QApplication::focusWidget(), modifiers);
    }
};

const std::vector<std::string> kCycle = {
    "Edit12",       "Edit10",       "Edit3",        "Edit8",        "Edit5",      "ComboBox35",
    "CheckBox1",    "CheckBox2",    "CheckBox3",    "CheckBox4",    "CheckBox5",  "CheckBox6",
    "Edit24",       "Edit30",       "Edit25",       "Edit1",        "Edit2",      "Edit4",
    "Edit6",        "Edit9",        "Edit11",       "Edit13",       "Edit14",     "Edit15",
    "Edit16",       "Edit17",       "Edit18",       "Edit19",       "Edit20",     "Edit34",
    "Edit22",       "Edit23",       "CheckBox7",    "MaskEdit1",    "CheckBox13", "Edit59",
    "CheckBox8",    "MaskEdit3",    "Edit54",       "Edit55",       "Edit41",     "Edit57",
    "Edit58",       "Edit28",       "Edit29",       "Edit31",       "Edit32",     "Edit33",
    "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "ComboBox1",  "Edit26",
    "Edit27",       "Edit7",
};

TEST_F(NavigationTest, EnterWalksAllFourPagesInACycle) {
    loadDefaults();
    focus(find("Edit7"));
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < kCycle.size(); ++i) {
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(i));
            enter();
            ASSERT_EQ(focused(), kCycle[i]);
            const int expectedPage = i < 5 ? 0 : i < 32 ? 1 : i < 48 ? 2 : i < 55 ? 3 : 0;
            EXPECT_EQ(page(), expectedPage);
        }
    }
    // Enter selects the whole text of the edit it reaches, so typing replaces
    // it; showing the record afresh left that selection alone.
    EXPECT_EQ(find<QLineEdit>("Edit7")->selectedText(), "internet.mts.ru");
    // Walking through the radio buttons selected none of them.
    EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_EQ(qm::settings.SET48, 0);
    EXPECT_EQ(qm::settings.SET52, 0);
}

TEST_F(NavigationTest, ShiftAndCtrlEnterAndTheKeypadEnterActTheSame) {
    loadDefaults();
    focus(find("Edit7"));
    enter(Qt::ShiftModifier);
    EXPECT_EQ(focused(), "Edit12");
    enter(Qt::ControlModifier);
    EXPECT_EQ(focused(), "Edit10");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(focused(), "Edit3");
}

TEST_F(NavigationTest, EnterInTheLastFieldShowsTheRecordWithoutThePageChangeHandler) {
    loadDefaults();
    // Stored out of range and not yet shown: one Show_all shows 5 (and
    // stores 15), a second one would show 15.
    qm::settings.SET32 = 5;
    focus(find("Edit5"));
    enter();
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(focused(), "ComboBox35");
    EXPECT_EQ(find<QLineEdit>("Edit8")->text(), "5");
    EXPECT_EQ(qm::settings.SET32, 15);
    EXPECT_EQ(form->statusText(), " ");
}

TEST_F(NavigationTest, EnterInEdit33ShowsThePageOfSensorsWithRadioButton1Focused) {
    loadDefaults();
    clickTab(2);
    focus(find("Edit33"));
    enter();
    EXPECT_EQ(page(), 3);
    EXPECT_EQ(focused(), "RadioButton1");
    EXPECT_FALSE(find<QRadioButton>("RadioButton1")->isChecked());
    enter();
    enter();
    enter();
    EXPECT_EQ(focused(), "RadioButton4");
    enter();
    EXPECT_EQ(focused(), "ComboBox1");
}

TEST_F(NavigationTest, RadioPairsAreEnteredAtTheSelectedButtonAndArrowsMoveTheSelection) {
    struct Pair {
        const char* group;
        const char* closed; // "Замкнут": the setting is 1
        const char* open;   // "Разомкнут": 0
        std::uint8_t qm::Settings::*setting;
        const char* after; // where Tab leaves the pair
    };
    const Pair pairs[] = {
        {"GroupBox4", "RadioButton1", "RadioButton2", &qm::Settings::SET48, "GroupBox5"},
        {"GroupBox5", "RadioButton3", "RadioButton4", &qm::Settings::SET52, "ComboBox1"},
    };
    loadDefaults();
    clickTab(3);
    for (const Pair& p : pairs) {
        for (const std::uint8_t stored : {0, 1}) {
            SCOPED_TRACE(std::string(p.group) + " " + std::to_string(stored));
            qm::settings.*p.setting = stored;
            form->Show_all();
            const char* selected = stored ? p.closed : p.open;
            const char* other = stored ? p.open : p.closed;
            focus(find(p.group));
            QTest::keyClick(find(p.group), Qt::Key_Tab);
            ASSERT_EQ(focused(), selected);
            QTest::keyClick(find(selected), Qt::Key_Space); // selects nothing new
            EXPECT_EQ(qm::settings.*p.setting, stored);
            QTest::keyClick(find(selected), stored ? Qt::Key_Down : Qt::Key_Up);
            EXPECT_EQ(focused(), other);
            EXPECT_TRUE(find<QRadioButton>(other)->isChecked());
            EXPECT_EQ(qm::settings.*p.setting, 1 - stored);
            QTest::keyClick(find(other), Qt::Key_Right); // round the end, back again
            EXPECT_EQ(focused(), selected);
            EXPECT_EQ(qm::settings.*p.setting, stored);
            QTest::keyClick(find(selected), Qt::Key_Tab);
            EXPECT_EQ(focused(), p.after);
        }
    }
    // The Enter chain focuses the unselected "Замкнут" without selecting it;
    // Tab leaves the pair from there, and Shift+Tab comes back at the selected.
    qm::settings.SET48 = 0;
    form->Show_all();
    clickTab(2);
    focus(find("Edit33"));
    enter();
    ASSERT_EQ(focused(), "RadioButton1");
    QTest::keyClick(find("RadioButton1"), Qt::Key_Tab);
    EXPECT_EQ(focused(), "GroupBox5");
    QTest::keyClick(find("GroupBox5"), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "RadioButton2");
    EXPECT_EQ(qm::settings.SET48, 0);
}

TEST_F(NavigationTest, MoneyAboveTheLimitShowsTheLimitAfterEnterLeavesThePage) {
    loadDefaults();
    clickTab(1);
    retype(find<QLineEdit>("Edit22"), "99999");
    enter();
    EXPECT_EQ(focused(), "Edit23");
    EXPECT_EQ(find<QLineEdit>("Edit22")->text(), "99999");
    enter();
    EXPECT_EQ(page(), 2);
    clickTab(1);
    EXPECT_EQ(find<QLineEdit>("Edit22")->text(), "5000");
    EXPECT_EQ(qm::settings.SET26, 5000);
}

TEST_F(NavigationTest, PriceCellsKeepTheirSelectionWhenLeft) {
    loadDefaults();
    clickTab(1);
    focus(find("Edit24"));
    QTest::keyClick(find("Edit24"), Qt::Key_A, Qt::ControlModifier);
    enter();
    EXPECT_EQ(focused(), "Edit30");
    EXPECT_EQ(find<QLineEdit>("Edit24")->selectedText(), "100");
    EXPECT_EQ(find<QLineEdit>("Edit30")->selectedText(), "10");
}

TEST_F(NavigationTest, OtherKeysKeepTheirOrdinaryMeaning) {
    loadDefaults();
    focus(find("Edit5"));
    QTest::keyClick(find("Edit5"), Qt::Key_Tab);
    EXPECT_EQ(focused(), "BitBtn2");
    EXPECT_EQ(page(), 0);
    focus(find("Edit8"));
    QTest::keyClick(find("Edit8"), Qt::Key_Escape);
    QTest::keyClick(find("Edit8"), Qt::Key_Down);
    EXPECT_EQ(focused(), "Edit8");
    EXPECT_EQ(page(), 0);
}

} // namespace
} // namespace qmtest
