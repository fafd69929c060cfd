#include "TForm1.h"

#include "AccessibleNames.h"
#include "Appearance.h"
#include "Application.h"
#include "Bindings.h"
#include "Cp1251.h"
#include "Field_rules.h"
#include "Form_builder.h"
#include "MessageBoxes.h"
#include "Set_def.h"
#include "Settings.h"
#include "TextValidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <cstring>

namespace qm {

class TForm1::Edit21Entry : public SerialEntry {
public:
    explicit Edit21Entry(QLineEdit* edit) : edit_(edit) {}
    bool isVisible() const override { return !edit_->isHidden(); }
    void clearText() override { edit_->clear(); }
    void hide() override { edit_->hide(); }
    void disable() override { edit_->setEnabled(false); }

private:
    QLineEdit* edit_;
};

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    BuildForm(*this);
    auto* edit21 = widget<QLineEdit>("Edit21");
    edit21Entry_ = std::make_unique<Edit21Entry>(edit21);

    bound_ = ConnectBindings(*this);
    NameGridBoxes(*this, bound_);

    edit21->setValidator(new TextValidator(edit21, static_cast<int>(kSerialSize) - 1));
    connect(edit21, &QLineEdit::textChanged, this, &TForm1::Edit21Change);

    connect(widget<QPushButton>("BitBtn2"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn2Click(); }));
    connect(widget<QPushButton>("BitBtn3"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn3Click(); }));
    connect(widget<QPushButton>("BitBtn11"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn11Click(); }));
    connect(widget<QPushButton>("BitBtn8"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn8Click(); }));
    connect(widget<QPushButton>("BitBtn1"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn1Click(); }));
    connect(widget<QPushButton>("BitBtn12"), &QPushButton::clicked, this,
            Guarded([this] { BitBtn12Click(); }));
    connect(widget<QTabWidget>("PageControl1"), &QTabWidget::currentChanged, this,
            Guarded([this](int index) {
                if (!pageChangeByCode_)
                    PageControl1Change(index);
            }));
    installEnterChains();

    FormCreate();
}

TForm1::~TForm1() = default;

QString TForm1::statusText() const {
    return widget<QLabel>("StatusPanel1")->text();
}

void TForm1::setStatusText(const QString& text) {
    widget<QLabel>("StatusPanel1")->setText(text);
}

SerialEntry& TForm1::serialEntry() {
    return *edit21Entry_;
}

void TForm1::showMessage(const std::string& text, const std::string& path) {
    try {
        ShowBox(this, BoxKind::Message, QString::fromStdString(text + path));
    } catch (...) {
        // Reporting must not fail the operation that reports.
    }
}

void TForm1::FormCreate() {
    setStatusText(QStringLiteral(
        "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" "));
}

void TForm1::BitBtn1Click() {
    widget<QPushButton>("BitBtn8")->setEnabled(true);
    widget<QPushButton>("BitBtn3")->setEnabled(true);
    Set_def();
    Show_all();
    setStatusText(QStringLiteral("Все настройки установлены \"по умолчанию\" "));
}

void TForm1::BitBtn12Click() {
    // Nothing is saved on the way out: what was not stored is left behind.
    close();
}

void TForm1::Edit21Change(const QString& text) {
    if (!StoreLabel(settings, text.toStdString()))
        return; // the edit's own rule lets no such text through
    setSerialCaptions(QString::fromStdString(
        Utf8FromCp1251({settings.serial, ::strnlen(settings.serial, kSerialSize)})));
}

void TForm1::setSerialCaptions(const QString& text) {
    for (const char* caption : {"Label42", "Label43", "Label45", "Label46"})
        SetCaption(widget<QLabel>(caption), text);
}

} // namespace qm
