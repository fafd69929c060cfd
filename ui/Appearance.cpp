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

#include <algorithm>

namespace qm {

namespace {

constexpr int kClientWidth = 617;
constexpr int kClientHeight = 468;
const QPoint kScreenPosition(547, 140);
const QColor kMaroon(0x80, 0x00, 0x00);

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

QFont face(const char* family, int pixels, bool bold, QFont::StyleHint hint) {
    static const QString sans = installedFace(kSansFace);
    static const QString mono = installedFace(kMonoFace);
    QFont font(family == kMonoFace ? mono : sans);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setFont(QWidget& form, const char* name, const QFont& font) {
    if (auto* w = form.findChild<QWidget*>(QString::fromLatin1(name)))
        w->setFont(font);
}

} // namespace

void ApplyBaseFont(QWidget& form) {
    form.setFont(face(kSansFace, 11, false, QFont::SansSerif));
}

void ApplyFonts(QWidget& form) {
    const QFont serial = face(kSansFace, 21, true, QFont::SansSerif);
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"}) {
        setFont(form, name, serial);
        if (auto* w = form.findChild<QWidget*>(QString::fromLatin1(name))) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::WindowText, kMaroon);
            w->setPalette(palette);
        }
    }
    const QFont colon = face(kSansFace, 19, true, QFont::SansSerif);
    for (const char* name : {"Label4", "Label26", "Label36", "Label38"})
        setFont(form, name, colon);
    const QFont phone = face(kMonoFace, 13, false, QFont::TypeWriter);
    for (const char* name : {"MaskEdit1", "MaskEdit3"})
        setFont(form, name, phone);
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

void FitLabels(QWidget& form) {
    const QWidget* statusBar = form.findChild<QWidget*>(QStringLiteral("StatusBar1"));
    const auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; pages && i < pages->count(); ++i)
        pages->widget(i)->installEventFilter(new FitOnFirstShow(pages->widget(i)));
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const bool onPage = pages && pages->isAncestorOf(label);
        if (!onPage && (!statusBar || !statusBar->isAncestorOf(label)))
            label->adjustSize();
    }
}

void SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void PlaceWindow(QWidget& form) {
    form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    form.setFixedSize(kClientWidth, kClientHeight);
    QPoint position = kScreenPosition;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // On a screen too small for the usual place, move in so the whole
        // window shows (frame allowance: a title bar and borders).
        const QRect free = screen->availableGeometry();
        const int right = free.right() - kClientWidth - 16;
        const int bottom = free.bottom() - kClientHeight - 40;
        position.setX(std::max(free.left(), std::min(position.x(), right)));
        position.setY(std::max(free.top(), std::min(position.y(), bottom)));
    }
    form.move(position);
}

QColor StartBackground() {
    // The Windows 3D-light system colour (COLOR_3DLIGHT). The styles' own
    // mid-light is much darker and would make the boxes look greyed out.
    return {227, 227, 227};
}

QColor WorkingBackground(const QWidget& form) {
    return form.palette().color(QPalette::Base);
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
