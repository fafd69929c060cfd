#include "Bindings.h"

#include "Application.h"
#include "Cp1251.h"
#include "Form_to_set.h"
#include "PhoneEdit.h"
#include "Settings.h"
#include "TForm1.h"
#include "TextValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cstring>
#include <stdexcept>
#include <string>

namespace qm {

namespace {

Binding text(const char* control, int setting) {
    return {control, setting, BindingKind::Text};
}
Binding number(const char* control, int setting, std::int32_t min, std::int32_t max) {
    return {control, setting, BindingKind::Number, min, max};
}
Binding flagSwitch(const char* control, int setting) {
    return {control, setting, BindingKind::Switch};
}
Binding flagBit(const char* control, int bit) {
    return {control, 28, BindingKind::FlagBit, 0, 0, bit};
}
Binding phone(const char* control, int setting) {
    return {control, setting, BindingKind::Phone};
}
Binding radio(const char* control, int setting, int on) {
    return {control, setting, BindingKind::Radio, 0, 0, 0, on};
}
Binding list(const char* control, int setting) {
    return {control, setting, BindingKind::List};
}

std::vector<Binding> makeBindings() {
    std::vector<Binding> table = {
        text("Edit7", 1),
        text("Edit12", 2),
        text("Edit10", 3),
        text("Edit3", 4),
        number("Edit8", 32, 15, 65535),
        text("Edit5", 5),
        {"ComboBox35", 29, BindingKind::Currency},
    };
    // The price table: row r holds money SET08 + 2(r - 1) and minutes SET09 + 2(r - 1).
    const char* const money[] = {"Edit24", "Edit25", "Edit2",  "Edit6",  "Edit11",
                                 "Edit14", "Edit16", "Edit18", "Edit20", "Edit22"};
    const char* const minutes[] = {"Edit30", "Edit1",  "Edit4",  "Edit9",  "Edit13",
                                   "Edit15", "Edit17", "Edit19", "Edit34", "Edit23"};
    for (int r = 0; r < 10; ++r) {
        table.push_back(number(money[r], 8 + 2 * r, 0, 5000));
        table.push_back(number(minutes[r], 9 + 2 * r, 0, 99));
    }
    const char* const banknotes[] = {"CheckBox1", "CheckBox2", "CheckBox3",
                                     "CheckBox4", "CheckBox5", "CheckBox6"};
    for (int bit = 0; bit < 6; ++bit)
        table.push_back(flagBit(banknotes[bit], bit));
    const std::vector<Binding> rest = {
        number("Edit27", 30, 0, 65535), flagSwitch("CheckBox7", 45),
        phone("MaskEdit1", 6),          flagSwitch("CheckBox13", 44),
        number("Edit59", 31, 0, 10000), flagSwitch("CheckBox8", 47),
        phone("MaskEdit3", 7),          number("Edit54", 33, 0, 600),
        number("Edit55", 34, 0, 23),    number("Edit41", 35, 0, 59),
        number("Edit57", 36, 0, 23),    number("Edit58", 37, 0, 59),
        number("Edit28", 38, 0, 600),   number("Edit29", 39, 0, 23),
        number("Edit31", 40, 0, 59),    number("Edit32", 41, 0, 23),
        number("Edit33", 42, 0, 59),    radio("RadioButton1", 48, 1),
        radio("RadioButton2", 48, 0),   radio("RadioButton3", 52, 1),
        radio("RadioButton4", 52, 0),   list("ComboBox1", 50),
        number("Edit26", 49, 0, 1000),
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

QString shownText(int setting) {
    const char* field = TextField(settings, setting);
    return QString::fromStdString(Utf8FromCp1251({field, ::strnlen(field, TextCapacity(setting))}));
}

// Stores a text into its field. The edits hold one line of no more than the
// field and refuse what code page 1251 lacks, so nothing is cut or replaced
// here; a text that still does not convert leaves the field as it was.
void storeText(int setting, const QString& shown) {
    std::string bytes;
    if (Cp1251FromUtf8(shown.toStdString(), bytes))
        CopyText(TextField(settings, setting), TextCapacity(setting), bytes);
}

// An edit that already shows the text is left alone, with its caret and
// selection: showing the same value is no change.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void storeSwitch(int setting, bool checked) {
    SetNumberValue(settings, setting, checked ? 1 : 0);
}

// Telephone: the value, then its form. A leading minus erases the number;
// the emptied box is handled again and ends in the international form.
void phoneRule(PhoneEdit* edit, int setting) {
    modified = 1;
    const QString value = edit->value();
    storeText(setting, value);
    if (value.startsWith(u'-')) {
        edit->setForm(PhoneEdit::Form::Domestic);
        TextField(settings, setting)[0] = '\0';
        edit->setValue(QString());
        edit->setCursorPosition(0);
    } else {
        edit->setForm(PhoneEdit::FormFor(value));
    }
}

void connectRule(TForm1& form, QWidget* control, const Binding& b) {
    const int n = b.setting;
    switch (b.kind) {
    case BindingKind::Text: {
        auto* edit = static_cast<QLineEdit*>(control);
        edit->setValidator(new TextValidator(edit, static_cast<int>(TextCapacity(n)) - 1));
        QObject::connect(edit, &QLineEdit::textChanged, edit, [n](const QString& shown) {
            modified = 1;
            storeText(n, shown);
        });
        break;
    }
    case BindingKind::Number: {
        auto* edit = static_cast<QLineEdit*>(control);
        const std::int32_t min = b.min, max = b.max;
        QObject::connect(edit, &QLineEdit::textChanged, edit, [n, min, max](const QString& shown) {
            modified = 1;
            const std::string digits = shown.toStdString();
            SetNumberValue(settings, n, static_cast<std::uint32_t>(ParseNumber(digits, min, max)));
        });
        break;
    }
    case BindingKind::Switch:
        QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, control,
                         [n](bool checked) {
                             modified = 1;
                             storeSwitch(n, checked);
                         });
        break;
    case BindingKind::FlagBit: {
        const auto mask = static_cast<std::uint8_t>(1u << b.bit);
        QObject::connect(
            static_cast<QCheckBox*>(control), &QCheckBox::toggled, control, [mask](bool checked) {
                modified = 1;
                settings.SET28 = checked ? settings.SET28 | mask : settings.SET28 & ~mask;
            });
        break;
    }
    case BindingKind::Phone: {
        auto* edit = static_cast<PhoneEdit*>(control);
        QObject::connect(edit, &PhoneEdit::valueChanged, edit, [edit, n] { phoneRule(edit, n); });
        break;
    }
    case BindingKind::Radio: {
        const int on = b.on;
        QObject::connect(static_cast<QRadioButton*>(control), &QRadioButton::toggled, control,
                         [n, on](bool checked) {
                             if (checked)
                                 SetNumberValue(settings, n, static_cast<std::uint32_t>(on));
                         });
        break;
    }
    case BindingKind::List:
        QObject::connect(
            static_cast<QComboBox*>(control), &QComboBox::activated, control,
            [n](int index) { SetNumberValue(settings, n, static_cast<std::uint32_t>(index)); });
        break;
    case BindingKind::Currency:
        QObject::connect(static_cast<QComboBox*>(control), &QComboBox::activated, &form,
                         Guarded([&form](int index) { form.ComboBox35Change(index); }));
        break;
    }
}

} // namespace

const std::vector<Binding>& Bindings() {
    static const std::vector<Binding> table = makeBindings();
    return table;
}

bool IsEntryBox(const Binding& binding) {
    switch (binding.kind) {
    case BindingKind::Text:
    case BindingKind::Number:
    case BindingKind::Phone:
    case BindingKind::List:
    case BindingKind::Currency:
        return true;
    default:
        return false;
    }
}

std::vector<QWidget*> ConnectBindings(TForm1& form) {
    std::vector<QWidget*> controls;
    for (const Binding& b : Bindings()) {
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(b.control));
        if (!control)
            throw std::logic_error(std::string("The window has no control ") + b.control);
        connectRule(form, control, b);
        controls.push_back(control);
    }
    return controls;
}

void FillControl(QWidget* control, const Binding& b) {
    const int n = b.setting;
    switch (b.kind) {
    case BindingKind::Text:
        showText(static_cast<QLineEdit*>(control), shownText(n));
        break;
    case BindingKind::Number:
        showText(static_cast<QLineEdit*>(control), QString::number(NumberValue(settings, n)));
        break;
    case BindingKind::Switch:
        static_cast<QCheckBox*>(control)->setChecked(NumberValue(settings, n) != 0);
        break;
    case BindingKind::FlagBit:
        static_cast<QCheckBox*>(control)->setChecked((settings.SET28 >> b.bit) & 1);
        break;
    case BindingKind::Phone: {
        auto* edit = static_cast<PhoneEdit*>(control);
        if (edit->value() != shownText(n))
            edit->setValue(shownText(n));
        break;
    }
    case BindingKind::Radio:
        // Of a pair, the first button is switched on for a non-zero value and
        // the second for zero; switching one on switches its partner off.
        static_cast<QRadioButton*>(control)->setChecked((NumberValue(settings, n) != 0) ==
                                                        (b.on != 0));
        break;
    case BindingKind::List:
    case BindingKind::Currency: {
        auto* box = static_cast<QComboBox*>(control);
        const std::uint32_t value = NumberValue(settings, n);
        box->setCurrentIndex(
            value < static_cast<std::uint32_t>(box->count()) ? static_cast<int>(value) : -1);
        break;
    }
    }
}

} // namespace qm
