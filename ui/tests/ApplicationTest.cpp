// Exceptions that escape a handler, start-up, exit, the message boxes and
// the file dialogs.
#include "UiTest.h"

#include "Application.h"
#include "Dialogs.h"
#include "Form.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Write_file.h"

#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace qmtest {
namespace {

using ApplicationTest = WindowTest;

// The error-box policy of the window's handlers, through a real click: the
// open dialog fails.
TEST_F(ApplicationTest, ExceptionFromAHandlerShowsTheErrorBoxAndTheWindowGoesOn) {
    int runs = 0;
    const qm::FileDialogHook standIn =
        qm::SetFileDialogHook([&runs](qm::FileDialogKind) -> QString {
            if (++runs == 1)
                throw qm::WriteError("/tmp/qm test/set_tmp.ini");
            throw 42;
        });
    QTest::mouseClick(find("BitBtn11"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, qm::BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].caption, QString::fromUtf8(qm::ProgramTitle()));
    EXPECT_EQ(boxes.shown[0].text, "Unable to write to /tmp/qm test/set_tmp.ini");

    // The window lives on and keeps working; an exception of unknown kind
    // shows an empty text.
    EXPECT_TRUE(form->isVisible());
    loadDefaults();
    EXPECT_EQ(find<QLineEdit>("Edit7")->text(), "internet.mts.ru");
    QTest::mouseClick(find("BitBtn11"), Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].kind, qm::BoxKind::Error);
    EXPECT_EQ(boxes.shown[1].text, "");
    qm::SetFileDialogHook(standIn);
}

// An object whose event handler fails, for the application's own net.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Unable to write to /tmp/set_tmp.ini");
        return QObject::event(e);
    }
};

TEST_F(ApplicationTest, ExceptionEscapingAnEventHandlerIsCaughtByTheApplication) {
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, qm::BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].text, "Unable to write to /tmp/set_tmp.ini");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ApplicationTest, ExceptionAtStartUpIsShownAndTheProgramEndsWithCodeZero) {
    auto* app = static_cast<qm::Application*>(QApplication::instance());
    const int code = app->Run([]() -> std::unique_ptr<QWidget> {
        throw std::runtime_error("the window could not be made");
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, qm::BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].text, "the window could not be made");
}

TEST_F(ApplicationTest, MessagesShowTheTextFollowedByThePath) {
    qm::MessageSink& sink = form->form();
    sink.showMessage("Не удаётся создать файл ", "/media/QM/set.ini");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, qm::BoxKind::Message);
    EXPECT_EQ(boxes.shown[0].caption, QString::fromUtf8(qm::ProgramTitle()));
    EXPECT_EQ(boxes.shown[0].text, "Не удаётся создать файл /media/QM/set.ini");
}

TEST_F(ApplicationTest, ExitClosesAtOnceWithoutAQuestion) {
    loadDefaults();
    retype(find<QLineEdit>("Edit7"), "unsaved");
    QTest::mouseClick(find("BitBtn12"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    // Nothing was saved or reset on the way out.
    EXPECT_EQ(FieldText(1), "unsaved");
}

TEST_F(ApplicationTest, CloseBoxClosesAtOnce) {
    loadDefaults();
    EXPECT_TRUE(form->QWidget::close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

// Runs the real dialog, looks at it and closes it with the given file name
// (cancels when it is empty).
QString runDialog(QWidget* parent, qm::FileDialogKind kind, QStringList* seen,
                  const QString& choose) {
    QTimer::singleShot(0, [seen, choose] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *seen << dialog->objectName() << dialog->nameFilters().join('|') << dialog->defaultSuffix()
              << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no question" : "asks")
              << dialog->selectedFiles().value(0).section('/', -1);
        if (choose.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(choose);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    return qm::RunFileDialog(parent, qm::FileDialogOf(kind));
}

TEST_F(ApplicationTest, FileDialogsOfferSetIniAndOverwriteWithoutAQuestion) {
    // The real dialogs this time, not the fixture's stand-in.
    const qm::FileDialogHook standIn = qm::SetFileDialogHook(nullptr);
    TempDir dir;
    QStringList open;
    EXPECT_EQ(runDialog(form.get(), qm::FileDialogKind::Open, &open, ""), "");
    EXPECT_EQ(open, QStringList({"OpenDialog1", "Файлы инициализации (*.ini)", "ini", "no question",
                                 "set.ini"}));

    const QString target = QString::fromStdString(dir.file("board.ini"));
    WriteAll(target.toStdString(), "old");
    QStringList save;
    EXPECT_EQ(runDialog(form.get(), qm::FileDialogKind::Save, &save, target), target);
    EXPECT_EQ(save.value(0), "SaveDialog1");
    EXPECT_EQ(save.value(1), "Файлы инициализации (*ini)");
    EXPECT_TRUE(boxes.shown.empty());
    qm::SetFileDialogHook(standIn);
}

TEST_F(ApplicationTest, FileDialogHookStandsInForTheDialog) {
    std::vector<qm::FileDialogKind> asked;
    const qm::FileDialogHook previous = qm::SetFileDialogHook([&asked](qm::FileDialogKind kind) {
        asked.push_back(kind);
        return kind == qm::FileDialogKind::Open ? QString("/data/in.ini") : QString();
    });
    EXPECT_EQ(qm::RunFileDialog(form.get(), qm::FileDialogOf(qm::FileDialogKind::Open)),
              "/data/in.ini");
    EXPECT_EQ(qm::RunFileDialog(form.get(), qm::FileDialogOf(qm::FileDialogKind::Save)), "");
    qm::SetFileDialogHook(previous);
    EXPECT_EQ(asked, (std::vector<qm::FileDialogKind>{qm::FileDialogKind::Open,
                                                      qm::FileDialogKind::Save}));
}

} // namespace
} // namespace qmtest
