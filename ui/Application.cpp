#include "Application.h"

#include "Dialogs.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QWidget>

#include <exception>

namespace qm {

namespace {

// Shows an exception in the error box: its text, or an empty text for an
// exception of unknown kind.
void showException(std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
    }
    ShowBox(QApplication::activeWindow(), BoxKind::Error, text);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("qmconf"));
    // Ties the window to its desktop entry where the desktop matches them by
    // id rather than by window class (Wayland).
    setDesktopFileName(QStringLiteral(QMCONF_APP_ID));
    // The layout's positions are those of the classic Windows metrics (a
    // group box's title sits on its frame line); this style has them on
    // every desktop.
    setStyle(QStyleFactory::create(QStringLiteral("Windows")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showException(std::current_exception());
    }
    return false;
}

void Application::InstallToolkitTexts() {
    if (toolkitTexts_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&toolkitTexts_);
}

int Application::Run(const std::function<std::unique_ptr<QWidget>()>& createWindow) {
    try {
        const std::unique_ptr<QWidget> window = createWindow();
        window->show();
        exec();
    } catch (...) {
        showException(std::current_exception());
    }
    return 0;
}

} // namespace qm
