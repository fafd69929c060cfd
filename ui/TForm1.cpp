#include "TForm1.h"

#include "AccessibleNames.h"
#include "Appearance.h"
#include "Application.h"
#include "Bindings.h"
#include "Cp1251.h"
#include "Field_rules.h"
#include "MessageBoxes.h"
#include "Set_def.h"
#include "Settings.h"
#include "TextValidator.h"
#include "ui_TForm1.h"

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

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    ApplyBaseFont(*this);
    ui->setupUi(this);
    edit21Entry_ = std::make_unique<Edit21Entry>(ui->Edit21);

    ApplyFonts(*this);
    FitLabels(*this);
    PlaceWindow(*this);

    bound_ = ConnectBindings(*this);
    NameGridBoxes(*this, bound_);
    const auto& bindings = Bindings();
    for (std::size_t i = 0; i < bindings.size(); ++i)
        if (IsEntryBox(bindings[i]))
            SetBackground(bound_[i], StartBackground());
    for (QWidget* box :
         {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4, ui->CheckBox5, ui->CheckBox6})
        SetBackground(box, StartBackground());

    SetBackground(ui->Edit21, WorkingBackground(*this));
    ui->Edit21->setValidator(new TextValidator(ui->Edit21, static_cast<int>(kSerialSize) - 1));
    connect(ui->Edit21, &QLineEdit::textChanged, this, &TForm1::Edit21Change);

    connect(ui->BitBtn2, &QPushButton::clicked, this, Guarded([this] { BitBtn2Click(); }));
    connect(ui->BitBtn3, &QPushButton::clicked, this, Guarded([this] { BitBtn3Click(); }));
    connect(ui->BitBtn11, &QPushButton::clicked, this, Guarded([this] { BitBtn11Click(); }));
    connect(ui->BitBtn8, &QPushButton::clicked, this, Guarded([this] { BitBtn8Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    connect(ui->BitBtn12, &QPushButton::clicked, this, Guarded([this] { BitBtn12Click(); }));
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, Guarded([this](int index) {
                if (!pageChangeByCode_)
                    PageControl1Change(index);
            }));
    installEnterChains();

    FormCreate();
}

TForm1::~TForm1() = default;

QString TForm1::statusText() const {
    return ui->StatusPanel1->text();
}

void TForm1::setStatusText(const QString& text) {
    ui->StatusPanel1->setText(text);
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
    ui->BitBtn8->setEnabled(true);
    ui->BitBtn3->setEnabled(true);
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
    for (QLabel* caption : {ui->Label42, ui->Label43, ui->Label45, ui->Label46})
        SetCaption(caption, text);
}

} // namespace qm
