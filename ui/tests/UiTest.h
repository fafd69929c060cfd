// A fresh main window, its record all zero, shown and active per test,
// driven by real key and mouse events.
#pragma once

#include "Dialogs.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Failed checks print a QString as its text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace qmtest {

struct ShownBox {
    qm::BoxKind kind;
    QString caption;
    QString text;
};

// Records the window's boxes instead of showing them, while it lives.
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;
    std::vector<ShownBox> shown;

private:
    qm::BoxHook previous_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The control of that name; fails the test when there is none.
    template <class T = QWidget> T* find(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control " << name;
        return w;
    }

    // Clicks "ПО УМОЛЧАНИЮ".
    void loadDefaults();
    // Clicks the tab of page 0..3.
    void clickTab(int page);
    // Gives the control the focus as a click would.
    void focus(QWidget* control);
    // Types text key by key into the control that has the focus.
    void typeText(QWidget* control, const QString& text);
    // Selects the edit's whole text and types text over it ("" deletes it).
    void retype(QLineEdit* edit, const QString& text);
    void pressEnter(QWidget* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The object name of the control with the focus.
    std::string focused() const;
    // The window's record, and the bytes of its text field up to its zero.
    qm::Settings& record() const { return form->form().record(); }
    std::string FieldText(int setting) const;

    std::unique_ptr<qm::TForm1> form;
    BoxRecorder boxes;

    // The file dialogs answer with nextFileName (empty: cancelled) instead of
    // showing themselves; dialogsRun counts them.
    QString nextFileName;
    std::vector<qm::FileDialogKind> dialogsRun;
    // The device commands see no volumes unless a test says otherwise.

    // The user's data folder, where the device commands keep what the board
    // held: the test's own, never the real one.
    TempDir dataHome;

private:
    qm::FileDialogHook previousDialogHook_;
    const DataHomeEnv dataHomeEnv_{dataHome.path()};
};

} // namespace qmtest
