#include "Appearance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QWidget>

namespace qm {

namespace {

const char* const kSansFace = "MS Sans Serif";
const char* const kMonoFace = "Courier New";

// The first of the faces that is installed, so that the toolkit goes
// straight to it instead of searching fallbacks for a missing face again for
// every size. Liberation has the metrics of the Windows faces and Cyrillic;
// DejaVu is on every Debian desktop.
QString installedFace(const char* family) {
    const QString wanted = QString::fromLatin1(family);
    const QStringList candidates =
        wanted == QLatin1String(kMonoFace)
            ? QStringList{wanted, QStringLiteral("Liberation Mono"),
                          QStringLiteral("DejaVu Sans Mono")}
            : QStringList{wanted, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    // One list of the installed families for all the lookups: hasFamily()
    // has fontconfig resolve aliases anew for every name it is asked about,
    // a few per cent of the window's start-up.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& candidate : candidates)
        if (installed.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    return wanted; // the toolkit's own fallback by style hint
}

} // namespace

QFont ToolkitFont(const Font& font) {
    static const QString sans = installedFace(kSansFace);
    static const QString mono = installedFace(kMonoFace);
    const bool monospaced = font.face == kMonoFace;
    QFont toolkit(monospaced ? mono : sans);
    toolkit.setStyleHint(monospaced ? QFont::TypeWriter : QFont::SansSerif);
    toolkit.setPixelSize(font.pixelHeight);
    toolkit.setBold(font.bold);
    return toolkit;
}

QColor ToolkitColour(Colour colour, const QWidget& form) {
    switch (colour) {
    case Colour::Light3D:
        // The Windows 3D-light system colour (COLOR_3DLIGHT). The styles' own
        // mid-light is much darker and would make the boxes look greyed out.
        return {227, 227, 227};
    case Colour::Maroon:
        return {0x80, 0x00, 0x00};
    case Colour::Window:
        return form.palette().color(QPalette::Base);
    case Colour::WindowText:
        return form.palette().color(QPalette::WindowText);
    case Colour::ButtonFace:
        return form.palette().color(QPalette::Button);
    case Colour::Inherit:
        break;
    }
    return {};
}

namespace {

// Fits the labels of a tab page when the page is first shown: until then
// their size is seen by nobody, and measuring the texts of every page costs
// the window's start-up a good part of its time.
class FitOnFirstShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* page, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            for (QLabel* label : page->findChildren<QLabel*>())
                label->adjustSize();
            page->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void FitLabels(QWidget& form, const QWidget& statusBar, QTabWidget& pages) {
    for (int i = 0; i < pages.count(); ++i)
        pages.widget(i)->installEventFilter(new FitOnFirstShow(pages.widget(i)));
    for (QLabel* label : form.findChildren<QLabel*>())
        if (!pages.isAncestorOf(label) && !statusBar.isAncestorOf(label))
            label->adjustSize();
}

void PlaceWindow(QWidget& form, const WindowLayout& window) {
    form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    form.setFixedSize(window.clientWidth, window.clientHeight);
    Point at{window.left, window.top};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame is not known before the window shows: room for a title
        // bar and borders.
        const QRect free = screen->availableGeometry();
        at = PlaceOnScreen(window.clientWidth + 16, window.clientHeight + 40,
                           {free.x(), free.y(), free.width(), free.height()});
    }
    form.move(at.x, at.y);
}

void SetBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    if (qobject_cast<QCheckBox*>(control)) {
        // Behind the caption; the box itself keeps the window colour.
        palette.setColor(control->backgroundRole(), colour);
        control->setAutoFillBackground(true);
    } else {
        palette.setColor(QPalette::Base, colour);
    }
    control->setPalette(palette);
}

} // namespace qm
