// The bindings of the settings controls: which control shows which setting.
// Each binding names a control and the key of its setting, and joins the
// table of settings (Setting_rules.h) by that key for the setting's kind and
// bounds. One table drives both directions: Show_all fills each control from
// its setting, and each control's change rule stores what it shows back into
// the settings record at once, brought into range by the rules of the
// settings core (Field_rules.h).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qm {

enum class BindingKind {
    Text,     // edit; the whole text in code page 1251; sets the modified flag
    Number,   // edit; ParseNumber within [min, max]; sets the modified flag
    Switch,   // check box; 1 when checked, else 0; sets the modified flag
    FlagBit,  // check box; one bit of SET28; sets the modified flag
    Phone,    // telephone box; its value, then the form rule; sets the modified flag
    Radio,    // radio button; stores `on` when switched on
    List,     // drop-down list; the picked entry's position, on the user's pick only
    Currency, // the currency list; ComboBox35Change, on the user's pick only
};

struct Binding {
    const char* control;
    int setting; // SET number
    BindingKind kind;
    std::int32_t min = 0; // Number: bounds, from the table of settings
    std::int32_t max = 0;
    int bit = 0;     // FlagBit: bit of SET28
    int on = 0;      // Radio: the value stored when the button is switched on
    int entries = 0; // List, Currency: the number of entries
};

// Every settings control, in the order Show_all fills them.
const std::vector<Binding>& Bindings();

// Whether the control is a box the user types into or picks from (as opposed
// to a check box or radio button).
bool IsEntryBox(const Binding& binding);

// The binding of a control; null for a control that shows no setting.
const Binding* FindBinding(std::string_view control);

} // namespace qm
