// Start-up probe: starts like the editor (or, built as the minimal window,
// like the smallest Qt window with one label) and ends the process at the
// first painted frame of its window, so that timing the whole process from exec
// gives the time to the first painted frame. Built twice by bench/CMakeLists.txt.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstdlib>
#include <memory>

#ifdef QMCONF_PROBE_EDITOR
#include "Application.h"
#include "TForm1.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#endif

namespace {

// Ends the process once the paint that the window's first paint event
// starts, children included, is drawn and flushed to the screen.
class EndAtFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
#ifdef QMCONF_PROBE_EDITOR
    qm::Application app(argc, argv);
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&toolkitTexts);
    auto window = std::make_unique<qm::TForm1>();
#else
    QApplication app(argc, argv);
    auto window = std::make_unique<QLabel>(QStringLiteral("Программа конфигурирования"));
    window->resize(617, 468);
#endif
    EndAtFirstPaint probe;
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
