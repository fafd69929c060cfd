#include "TForm1.h"

#include "AccessibleNames.h"
#include "Appearance.h"
#include "Bindings.h"
#include "Form_builder.h"
#include "PhoneEdit.h"
#include "Settings.h"
#include "TextValidator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace qm {

namespace {

// The page keys turn the pages from anywhere in the window, whichever of its
// widgets has the focus: the form has them before any widget does.
class PageKeys : public QObject {
public:
    PageKeys(QWidget& window, Form& form) : QObject(&window), window_(window), form_(form) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        const std::optional<PageTurn> turn = turnOf(*static_cast<QKeyEvent*>(event));
        if (!turn)
            return false;
        form_.pageTurned(*turn);
        return true;
    }

private:
    static std::optional<PageTurn> turnOf(const QKeyEvent& key) {
        const Qt::KeyboardModifiers held = key.modifiers();
        if (!(held & Qt::ControlModifier) || (held & Qt::AltModifier))
            return std::nullopt;
        switch (key.key()) {
        case Qt::Key_Tab:
            return held & Qt::ShiftModifier ? PageTurn::Previous : PageTurn::Next;
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            return PageTurn::Previous;
        case Qt::Key_PageDown:
            return PageTurn::Next;
        default:
            return std::nullopt;
        }
    }

    QWidget& window_;
    Form& form_;
};

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    BuildForm(*this);

    view_ = std::make_unique<WidgetView>(*this);
    // The edits whose text goes to the board as one line of code page 1251
    // take no more than their fields hold.
    for (const Binding& b : Bindings())
        if (b.kind == BindingKind::Text) {
            auto* edit = static_cast<QLineEdit*>(view_->widget(b.control));
            edit->setValidator(
                new TextValidator(edit, static_cast<int>(TextCapacity(b.setting)) - 1));
        }
    auto* serial = static_cast<QLineEdit*>(view_->widget("Edit21"));
    serial->setValidator(new TextValidator(serial, static_cast<int>(kSerialSize) - 1));
    NameGridBoxes(*this);

    form_ = std::make_unique<Form>(*view_);
    connectReports();
    new PageKeys(*this, *form_);
}

TForm1::~TForm1() = default;

QString TForm1::statusText() const {
    return QString::fromStdString(view_->status());
}

void TForm1::setStatusText(const QString& text) {
    view_->setStatus(text.toStdString());
}

// Reports to the form what the user did, and nothing the view did itself.
void TForm1::connectReports() {
    Form& form = *form_;
    const WidgetView& view = *view_;
    const auto report = [&view](auto action) {
        return [&view, action](auto... args) {
            if (!view.applying())
                action(args...);
        };
    };
    std::vector<std::string> edits = {"Edit21"};
    for (const Binding& b : Bindings()) {
        QWidget* w = view_->widget(b.control);
        w->installEventFilter(this); // Enter
        const std::string name = b.control;
        if (auto* phone = qobject_cast<PhoneEdit*>(w)) {
            connect(phone, &PhoneEdit::pasteRequested, this,
                    [&form, name](const QString& text) { form.pasted(name, text.toStdString()); });
            connect(phone, &PhoneEdit::clickedIn, this, [&form, name] { form.clicked(name); });
        }
        if (qobject_cast<QLineEdit*>(w))
            edits.push_back(name);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            connect(button, &QAbstractButton::toggled, this,
                    report([&form, name](bool on) { form.toggled(name, on); }));
        else if (auto* list = qobject_cast<QComboBox*>(w))
            connect(list, &QComboBox::activated, this,
                    report([&form, name](int entry) { form.picked(name, entry); }));
    }
    for (const std::string& name : edits)
        connect(
            static_cast<QLineEdit*>(view_->widget(name)), &QLineEdit::textChanged, this,
            report([&form, name](const QString& text) { form.typed(name, text.toStdString()); }));
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn8", "BitBtn11", "BitBtn12"})
        connect(static_cast<QPushButton*>(view_->widget(name)), &QPushButton::clicked, this,
                [&form, name] { form.clicked(name); });
    connect(static_cast<QTabWidget*>(view_->widget("PageControl1")), &QTabWidget::currentChanged,
            this, report([&form](int page) { form.pageChanged(page); }));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Enter only moves the focus: the key then goes on to the control as usual.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) // Shift, Ctrl and Alt do not matter
            form_->enterPressed(watched->objectName().toStdString());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qm
