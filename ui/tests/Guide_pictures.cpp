// Takes the pictures of the user guide (docs/images) on the editor's own
// window, made as qmconf makes it, shown on an X display (scripts/
// screenshots.sh gives it a virtual one of its own) and driven by real clicks
// and keys on the controls found by their layout names; each picture is the
// screen as the X server shows it, taken once the window has stopped
// changing. Run it with no board attached.
//
// Usage: ui_guide_pictures FOLDER SETTINGS_FILE
// Writes into FOLDER, as PPM:
//   start     the window as it opens
//   nodevice  the message box of "ИЗ УСТРОЙСТВА" with no board, framed
//   tab1..4   "ПО УМОЛЧАНИЮ", then each of the four tab pages
//   serial    SETTINGS_FILE (a blank board's) loaded with "ИЗ ФАЙЛА" through
//             the open dialog, and a serial label typed into the serial entry
#include "Application.h"
#include "TForm1.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

class Pictures {
public:
    Pictures(QString folder, QString settingsFile)
        : folder_(std::move(folder)), settingsFile_(std::move(settingsFile)) {}

    void take() {
        form_ = std::make_unique<qm::TForm1>();
        form_->show();
        if (!QTest::qWaitForWindowExposed(form_.get()))
            throw std::runtime_error("the editor's window did not show");
        parkPointer();
        QImage blank(form_->size(), QImage::Format_RGB32);
        blank.fill(Qt::black);
        const QImage start = settled(blank, "the window did not settle");
        save(start, "start");

        duringModal([this] { click(control<QPushButton>("BitBtn2")); }, &Pictures::noDeviceBox,
                    "no message box after ИЗ УСТРОЙСТВА (is a board attached?)");
        // The window takes the keyboard back from its box.
        activate(form_.get());

        click(control<QPushButton>("BitBtn1"));
        QImage shown = settled(start, "the defaults did not show after ПО УМОЛЧАНИЮ");
        for (int page = 0; page < 4; ++page) {
            clickTab(page);
            // The first page shows already: the click changes nothing visible.
            if (page == 0)
                QTest::qWait(500);
            shown = page == 0 ? shotOf(form_.get()) : settled(shown, "a page did not show");
            save(shown, QStringLiteral("tab%1").arg(page + 1));
        }

        clickTab(0);
        const QImage back = settled(shown, "the first page did not show again");
        duringModal([this] { click(control<QPushButton>("BitBtn11")); }, &Pictures::openDialog,
                    "no open dialog after ИЗ ФАЙЛА");
        const QImage loaded = settled(back, "the blank board did not load");

        // The serial entry showed for the blank board: the label typed there,
        // then the focus moved on to the tab headers, which show no caret.
        QWidget* entry = control<QWidget>("Edit21");
        if (!entry->isVisible())
            throw std::runtime_error("no serial entry appeared");
        click(entry);
        activate(form_.get());
        QTest::keyClicks(entry, QStringLiteral("QM 0.4.1.7.2"));
        QTest::keyClick(entry, Qt::Key_Backtab, Qt::ShiftModifier);
        save(settled(loaded, "the serial label did not show"), "serial");

        click(control<QPushButton>("BitBtn12"));
        QTest::qWait(100);
        if (form_->isVisible())
            throw std::runtime_error("the editor did not close on ВЫХОД");
    }

private:
    template <class T> T* control(const char* name) const {
        T* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return found;
    }

    // Rests the pointer on a corner of the screen outside the window, so that
    // no tool-tip or hover shows in a picture.
    void parkPointer() {
        const QRect screen = form_->screen()->geometry();
        const QRect window = form_->frameGeometry();
        for (const QPoint& corner :
             {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()}) {
            if (!window.contains(corner)) {
                QCursor::setPos(corner);
                QTest::qWait(50);
                return;
            }
        }
    }

    // Gives the window the keyboard, as a click on its frame would.
    static void activate(QWidget* window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            throw std::runtime_error("a window did not take the keyboard");
    }

    void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton);
        parkPointer();
    }

    void clickTab(int page) {
        QTabBar* bar = control<QTabWidget>("PageControl1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        parkPointer();
    }

    // The screen within the top-level window's frame, as the X server shows
    // it, boxes over it included.
    static QImage shotOf(const QWidget* window) {
        const QRect area = window->frameGeometry();
        return window->screen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The window once it shows something other than before and has stopped
    // changing: two shots alike in a row, 200 ms apart.
    static QImage settledOf(const QWidget* window, const QImage& before, const std::string& why) {
        QImage previous = shotOf(window);
        for (int i = 0; i < 50; ++i) {
            QTest::qWait(200);
            const QImage shot = shotOf(window);
            if (shot == previous && shot != before)
                return shot;
            previous = shot;
        }
        throw std::runtime_error(why);
    }
    QImage settled(const QImage& before, const std::string& why) const {
        return settledOf(form_.get(), before, why);
    }

    // The box of "ИЗ УСТРОЙСТВА" with no board, alone, framed by a line as a
    // desktop would frame it; then closed with Enter.
    void noDeviceBox(QWidget* box) {
        const QImage shot = settledOf(box, QImage(), "the message box did not settle");
        QImage framed(shot.size() + QSize(2, 2), QImage::Format_RGB32);
        framed.fill(QColor(0x60, 0x60, 0x60));
        QPainter(&framed).drawImage(1, 1, shot);
        save(framed, "nodevice");
        activate(box);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // The settings file's path typed into the open dialog, then Enter.
    void openDialog(QWidget* dialog) {
        activate(dialog);
        QWidget* name = dialog->focusWidget();
        if (name == nullptr)
            throw std::runtime_error("the open dialog has no field with the focus");
        for (const QChar c : settingsFile_)
            key(name, c.toLatin1());
        key(name, Qt::Key_Return);
    }

    // A key as the keyboard sends it, typed at a person's pace: to the list
    // of completions where one shows over the field, else to the field.
    template <class Key> static void key(QWidget* field, Key k) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup != nullptr ? popup : field, k);
        QTest::qWait(20);
    }

    // Starts what opens a modal window, which runs its own loop until closed,
    // and meanwhile hands that window to `inside`, which must close it.
    void duringModal(const std::function<void()>& start, void (Pictures::*inside)(QWidget*),
                     const std::string& why) {
        bool seen = false;
        std::string failed;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || seen)
                return;
            seen = true;
            poll.stop();
            // Nothing may escape into the window's loop, which would show it
            // in a box of its own that nobody closes.
            try {
                (this->*inside)(modal);
            } catch (const std::exception& error) {
                failed = error.what();
                modal->close();
            }
        });
        poll.start(50);
        start();
        if (!seen)
            throw std::runtime_error(why);
        if (!failed.empty())
            throw std::runtime_error(failed);
    }

    void save(const QImage& image, const QString& name) const {
        if (!image.save(folder_ + "/" + name + ".ppm", "PPM"))
            throw std::runtime_error("could not write " + name.toStdString());
    }

    QString folder_;
    QString settingsFile_;
    std::unique_ptr<qm::TForm1> form_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: ui_guide_pictures FOLDER SETTINGS_FILE\n", stderr);
        return 2;
    }
    // As qmconf starts.
    qm::Application app(argc, argv);
    app.InstallToolkitTexts();
    try {
        Pictures(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])).take();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ui_guide_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
