// Slips of the hand around the data commands that must lose nothing: markup
// in a label or a path is shown as written.
#include "CommandsFixture.h"

#include "Settings.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace qmtest {
namespace {

using CommandSlipsTest = CommandsFixture;

// The text a label shows, as a screen reader reads it off the screen.
QString Shown(QWidget* label) {
    return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
}

TEST_F(CommandSlipsTest, MarkupIsShownAsWritten) {
    const std::string path = dir.file("<i>set.ini");
    WriteAll(path, ReferenceImage(DefaultsTextWith({{"ID", "<b>QM</b>12"}})));
    loadFrom(path);
    const char* const captions[] = {"Label42", "Label43", "Label45", "Label46"};
    for (const char* caption : captions)
        EXPECT_EQ(Shown(find(caption)), "<b>QM</b>12") << caption;
    EXPECT_EQ(Shown(find("StatusPanel1")),
              QString::fromStdString("Настройки прочитаны из " + path));

    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->form().Show_all();
    focus(find("Edit21"));
    typeText(find("Edit21"), "<u>7</u>");
    for (const char* caption : captions)
        EXPECT_EQ(Shown(find(caption)), "<u>7</u>") << caption;

    // A real box this time, read and closed by the user.
    const qm::BoxHook recording = qm::SetBoxHook({});
    QString inBox;
    QTimer::singleShot(0, [&inBox] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>())
            inBox += Shown(label);
        QTest::keyClick(box, Qt::Key_Return);
    });
    const std::string gone = dir.file("<b>gone</b>.ini");
    loadFrom(gone);
    qm::SetBoxHook(recording);
    EXPECT_TRUE(inBox.contains(QString::fromStdString("2. Не удаётся открыть " + gone)));
}

} // namespace
} // namespace qmtest
