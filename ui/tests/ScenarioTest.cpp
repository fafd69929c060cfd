// The table of window scenarios through the Qt window, driven by real key
// and mouse events on the offscreen platform.
#include "UiTest.h"

#include "Scenarios.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace qmtest {
namespace {

class QtDriver : public ScenarioDriver {
public:
    QtDriver(qm::TForm1& form, BoxRecorder& boxes, QString& answer)
        : form_(form), boxes_(boxes), answer_(answer) {}

    void click(const std::string& c) override { QTest::mouseClick(widget(c), Qt::LeftButton); }
    void retype(const std::string& c, const std::string& text) override {
        auto* edit = qobject_cast<QLineEdit*>(widget(c));
        ASSERT_NE(edit, nullptr) << c;
        edit->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(edit->hasFocus()) << c;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.empty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            typeKeys(text);
    }
    void paste(const std::string& text) override {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    }
    void typeKeys(const std::string& text) override {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        for (const QChar ch : QString::fromStdString(text)) {
            if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
                QTest::keyClick(target, static_cast<char>(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }
    void pressEnter() override { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void pressKey(Key key) override {
        struct Stroke {
            Qt::Key key;
            Qt::KeyboardModifiers held;
        };
        const Stroke strokes[] = {
            {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Tab, Qt::ControlModifier},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_PageDown, Qt::ControlModifier},
            {Qt::Key_PageUp, Qt::ControlModifier},
            {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier},
            {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Return, Qt::ShiftModifier},
            {Qt::Key_Return, Qt::ControlModifier},
            {Qt::Key_Enter, Qt::KeypadModifier},
        };
        const Stroke& s = strokes[static_cast<int>(key)];
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to ? to : &form_, s.key, s.held);
    }
    void pickTab(int page) override {
        QTabBar* bar = static_cast<QTabWidget*>(widget("PageControl1"))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
    }
    void pickEntry(const std::string& c, int entry) override {
        auto* list = static_cast<QComboBox*>(widget(c));
        list->setFocus(Qt::MouseFocusReason);
        for (int step = 0; step < 8 && list->currentIndex() != entry; ++step)
            QTest::keyClick(list, list->currentIndex() < entry ? Qt::Key_Down : Qt::Key_Up);
    }
    void focus(const std::string& c) override { widget(c)->setFocus(Qt::MouseFocusReason); }
    void answerFileDialog(const std::string& path) override {
        answer_ = QString::fromStdString(path);
    }
    void showAll() override { form_.form().Show_all(); }

    std::string text(const std::string& c) override {
        QWidget* w = widget(c);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text().toStdString();
        return static_cast<QAbstractButton*>(w)->text().toStdString();
    }
    std::string selectedText(const std::string& c) override {
        return static_cast<QLineEdit*>(widget(c))->selectedText().toStdString();
    }
    bool checked(const std::string& c) override {
        return static_cast<QAbstractButton*>(widget(c))->isChecked();
    }
    int entry(const std::string& c) override {
        return static_cast<QComboBox*>(widget(c))->currentIndex();
    }
    bool enabled(const std::string& c) override { return widget(c)->isEnabled(); }
    bool shown(const std::string& c) override { return !widget(c)->isHidden(); }
    int page() override { return static_cast<QTabWidget*>(widget("PageControl1"))->currentIndex(); }
    std::string focused() override { return focusedName(); }
    std::string status() override { return form_.text(qm::Id::StatusBar1); }
    std::vector<std::string> boxes() override {
        std::vector<std::string> texts;
        for (const ShownBox& box : boxes_.shown)
            texts.push_back(box.text.toStdString());
        return texts;
    }

private:
    QWidget* widget(const std::string& c) { return form_.widget(IdOf(c)); }
    static std::string focusedName() {
        QWidget* w = QApplication::focusWidget();
        if (!w)
            return "(none)";
        // The tab strip has the focus for its page control.
        if (QWidget* owner = w->parentWidget(); owner && owner->focusProxy() == w)
            w = owner;
        return w->objectName().toStdString();
    }

    qm::Form& form() override { return form_.form(); }

    qm::TForm1& form_;
    BoxRecorder& boxes_;
    QString& answer_;
};

class WindowScenario : public WindowTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(WindowScenario, Runs) {
    QtDriver driver(*form, boxes, nextFileName);
    RunScenarioAgainstFake(driver, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Window, WindowScenario, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qmtest
