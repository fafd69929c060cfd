// The application object: shows exceptions that escape a handler in the
// standard error box and goes on.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <memory>
#include <utility>

namespace qm {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // Delivers every event; an exception that escapes the receiver's handler
    // is shown in the error box and the event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an exception in the error box: its text, or an empty text for an
    // exception of unknown kind.
    static void ShowException(std::exception_ptr error);

    // Creates the main window, shows it and runs the message loop until it is
    // closed. An exception that escapes start-up is shown in the error box.
    // Returns the program's exit code, always 0.
    int Run(const std::function<std::unique_ptr<QWidget>()>& createWindow);
};

// A handler for connect() whose escaping exception is shown in the error box,
// after which the program goes on. The exception stops here instead of
// unwinding through the toolkit, whose own frames would be left half done;
// Application::notify remains the net for anything else.
template <class Handler> class GuardedHandler {
public:
    explicit GuardedHandler(Handler handler) : handler_(std::move(handler)) {}

    // Takes as many of a signal's arguments as the handler does.
    template <class... Args>
    auto operator()(Args&&... args) const
        -> decltype(std::declval<const Handler&>()(std::forward<Args>(args)...), void()) {
        try {
            handler_(std::forward<Args>(args)...);
        } catch (...) {
            Application::ShowException(std::current_exception());
        }
    }

private:
    Handler handler_;
};

template <class Handler> GuardedHandler<Handler> Guarded(Handler handler) {
    return GuardedHandler<Handler>(std::move(handler));
}

} // namespace qm
