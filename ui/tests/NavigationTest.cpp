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
            record().*p.setting = stored;
            form->Show_all();
            const char* selected = stored ? p.closed : p.open;
            const char* other = stored ? p.open : p.closed;
            focus(find(p.group));
            QTest::keyClick(find(p.group), Qt::Key_Tab);
            ASSERT_EQ(focused(), selected);
            QTest::keyClick(find(selected), Qt::Key_Space); // selects nothing new
            EXPECT_EQ(record().*p.setting, stored);
            QTest::keyClick(find(selected), stored ? Qt::Key_Down : Qt::Key_Up);
            EXPECT_EQ(focused(), other);
            EXPECT_TRUE(find<QRadioButton>(other)->isChecked());
            EXPECT_EQ(record().*p.setting, 1 - stored);
            QTest::keyClick(find(other), Qt::Key_Right); // round the end, back again
            EXPECT_EQ(focused(), selected);
            EXPECT_EQ(record().*p.setting, stored);
            QTest::keyClick(find(selected), Qt::Key_Tab);
            EXPECT_EQ(focused(), p.after);
        }
    }
    // The Enter chain focuses the unselected "Замкнут" without selecting it;
    // Tab leaves the pair from there, and Shift+Tab comes back at the selected.
    record().SET48 = 0;
    form->Show_all();
    clickTab(2);
    focus(find("Edit33"));
    enter();
    ASSERT_EQ(focused(), "RadioButton1");
    QTest::keyClick(find("RadioButton1"), Qt::Key_Tab);
    EXPECT_EQ(focused(), "GroupBox5");
    QTest::keyClick(find("GroupBox5"), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "RadioButton2");
    EXPECT_EQ(record().SET48, 0);
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
