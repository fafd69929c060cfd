#include "Bindings.h"

#include "Application.h"
#include "Cp1251.h"
#include "Field_rules.h"
#include "PhoneEdit.h"
#include "Phone_rules.h"
#include "Setting_rules.h"
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

// A control and the key of the setting it shows; the widget-only facts of
// the banknote boxes (their bit) and the sensor pairs (the value a button
// stands for). Everything else comes from the table of settings.
struct Control {
    const char* name;
    std::string key;
    int bit = 0;
    int on = 0;
};

// Every settings control, in the order Show_all fills them.
std::vector<Control> controls() {
    std::vector<Control> list = {
        {"Edit7", "SET01"}, {"Edit12", "SET02"}, {"Edit10", "SET03"},     {"Edit3", "SET04"},
        {"Edit8", "SET32"}, {"Edit5", "SET05"},  {"ComboBox35", "SET29"},
    };
    // The price table: row r holds money SET08 + 2(r - 1) and minutes SET09 + 2(r - 1).
    const char* const price[] = {"Edit24", "Edit30", "Edit25", "Edit1",  "Edit2",
                                 "Edit4",  "Edit6",  "Edit9",  "Edit11", "Edit13",
                                 "Edit14", "Edit15", "Edit16", "Edit17", "Edit18",
                                 "Edit19", "Edit20", "Edit34", "Edit22", "Edit23"};
    for (int i = 0; i < 20; ++i)
        list.push_back({price[i], SettingKey(8 + i)});
    const char* const banknotes[] = {"CheckBox1", "CheckBox2", "CheckBox3",
                                     "CheckBox4", "CheckBox5", "CheckBox6"};
    for (int bit = 0; bit < 6; ++bit)
        list.push_back({banknotes[bit], "SET28", bit});
    const std::vector<Control> rest = {
        {"Edit27", "SET30"},
        {"CheckBox7", "SET45"},
        {"MaskEdit1", "SET06"},
        {"CheckBox13", "SET44"},
        {"Edit59", "SET31"},
        {"CheckBox8", "SET47"},
        {"MaskEdit3", "SET07"},
        {"Edit54", "SET33"},
        {"Edit55", "SET34"},
        {"Edit41", "SET35"},
        {"Edit57", "SET36"},
        {"Edit58", "SET37"},
        {"Edit28", "SET38"},
        {"Edit29", "SET39"},
        {"Edit31", "SET40"},
        {"Edit32", "SET41"},
        {"Edit33", "SET42"},
        {"RadioButton1", "SET48", 0, 1},
        {"RadioButton2", "SET48", 0, 0},
        {"RadioButton3", "SET52", 0, 1},
        {"RadioButton4", "SET52", 0, 0},
        {"ComboBox1", "SET50"},
        {"Edit26", "SET49"},
    };
    list.insert(list.end(), rest.begin(), rest.end());
    return list;
}

BindingKind bindingKind(SettingKind kind) {
    switch (kind) {
    case SettingKind::Text:
        return BindingKind::Text;
    case SettingKind::Number:
        return BindingKind::Number;
    case SettingKind::Switch:
        return BindingKind::Switch;
    case SettingKind::FlagBits:
        return BindingKind::FlagBit;
    case SettingKind::Phone:
        return BindingKind::Phone;
    case SettingKind::Radio:
        return BindingKind::Radio;
    case SettingKind::List:
        return BindingKind::List;
    case SettingKind::Currency:
        return BindingKind::Currency;
    case SettingKind::Carried:
        break;
    }
    throw std::logic_error("a setting without a control has no binding");
}

std::vector<Binding> makeBindings() {
    std::vector<Binding> table;
    for (const Control& c : controls()) {
        const SettingRule* rule = FindSettingRule(c.key);
        if (!rule)
            throw std::logic_error("No setting " + c.key);
        table.push_back(
            {c.name, rule->setting, bindingKind(rule->kind), rule->min, rule->max, c.bit, c.on});
    }
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
    StoreText(settings, setting, shown.toStdString());
}

// An edit that already shows the text is left alone, with its caret and
// selection: showing the same value is no change.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// Telephone: the value, then its form. A leading minus erases the number;
// the emptied box is handled again and ends in the international form.
void phoneRule(PhoneEdit* edit, int setting) {
    modified = 1;
    const QString value = edit->value();
    storeText(setting, value);
    if (PhoneErases(value.toStdString())) {
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
        const SettingRule* rule = FindSettingRule(SettingKey(n));
        QObject::connect(edit, &QLineEdit::textChanged, edit, [rule](const QString& shown) {
            modified = 1;
            StoreNumber(settings, *rule, shown.toStdString());
        });
        break;
    }
    case BindingKind::Switch:
        QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, control,
                         [n](bool checked) {
                             modified = 1;
                             StoreSwitch(settings, n, checked);
                         });
        break;
    case BindingKind::FlagBit: {
        const int bit = b.bit;
        QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, control,
                         [bit](bool checked) {
                             modified = 1;
                             StoreBanknote(settings, bit, checked);
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
                                 StoreSwitch(settings, n, on != 0);
                         });
        break;
    }
    case BindingKind::List:
        QObject::connect(static_cast<QComboBox*>(control), &QComboBox::activated, control,
                         [n](int index) { StoreEntry(settings, n, index); });
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
