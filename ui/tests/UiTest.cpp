#include "UiTest.h"

#include "Settings.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstring>

namespace qmtest {

BoxRecorder::BoxRecorder() {
    previous_ =
        qm::SetBoxHook([this](qm::BoxKind kind, const QString& caption, const QString& text) {
            shown.push_back({kind, caption, text});
        });
}

BoxRecorder::~BoxRecorder() {
    qm::SetBoxHook(previous_);
}

namespace {

class NoVolumes : public qm::VolumeList {
public:
    std::vector<std::string> roots() override { return {}; }
    std::optional<std::uint32_t> serialOf(const std::string&) override { return std::nullopt; }
    std::string settingsPath(const std::string& root) const override { return root; }
};

} // namespace

void WindowTest::SetUp() {
    previousDialogHook_ = qm::SetFileDialogHook([this](qm::FileDialogKind kind) {
        dialogsRun.push_back(kind);
        return nextFileName;
    });
    form = std::make_unique<qm::TForm1>();
    form->form().setVolumeSource([] { return std::make_unique<NoVolumes>(); });
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void WindowTest::TearDown() {
    form.reset();
    qm::SetFileDialogHook(previousDialogHook_);
}

void WindowTest::loadDefaults() {
    QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton);
}

void WindowTest::clickTab(int page) {
    QTabBar* bar = find<QTabWidget>("PageControl1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
}

void WindowTest::focus(QWidget* control) {
    control->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
}

void WindowTest::typeText(QWidget* control, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(control, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WindowTest::retype(QLineEdit* edit, const QString& text) {
    focus(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        typeText(edit, text);
}

void WindowTest::pressEnter(QWidget* control, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(control, Qt::Key_Return, modifiers);
}

std::string WindowTest::focused() const {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : std::string("(none)");
}

std::string WindowTest::FieldText(int setting) const {
    const char* field = qm::TextField(record(), setting);
    return std::string(field, ::strnlen(field, qm::TextCapacity(setting)));
}

} // namespace qmtest
