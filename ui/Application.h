// The application object: shows exceptions that escape a handler in the
// standard error box and goes on.
#pragma once

#include <QApplication>
#include <QTranslator>

#include <functional>
#include <memory>

namespace qm {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // Delivers every event; an exception that escapes the receiver's handler
    // is shown in the error box and the event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // Has the toolkit speak its own texts (its dialogs' and buttons') in
    // Russian, as the window speaks, where its translations are installed.
    void InstallToolkitTexts();

    // Creates the main window, shows it and runs the message loop until it is
    // closed. An exception that escapes start-up is shown in the error box.
    // Returns the program's exit code, always 0.
    int Run(const std::function<std::unique_ptr<QWidget>()>& createWindow);

private:
    QTranslator toolkitTexts_;
};

} // namespace qm
