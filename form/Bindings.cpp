#include "Bindings.h"

#include "Setting_rules.h"
#include "Settings.h"

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
        table.push_back({c.name, rule->setting, bindingKind(rule->kind), rule->min, rule->max,
                         c.bit, c.on, rule->entries});
    }
    return table;
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

const Binding* FindBinding(std::string_view control) {
    for (const Binding& b : Bindings())
        if (control == b.control)
            return &b;
    return nullptr;
}

} // namespace qm
