// Currency and banknote captions.
#include "Form.h"

#include "Field_rules.h"
#include "Layout.h"
#include "Settings.h"

#include <string>

namespace qm {

namespace {

struct CurrencyCaptions {
    const char* priceHeading; // Label40, over the money column of the price table
    const char* banknotes[6]; // CheckBox1..CheckBox6, bits 0..5 of SET28
    const char* balanceUnit;  // Label44, after the low-balance threshold
    const char* coinUnit;     // Label48, after the coin value per pulse
};

// One column per entry of ComboBox35; the position is the value of SET29.
// Tenge has five banknotes: the first box has no caption.
const CurrencyCaptions kCurrencyCaptions[4] = {
    {"Руб.",
     {"10 руб.", "50 руб.", "100 руб.", "500 руб.", "1000 руб.", "5000 руб."},
     "руб.",
     "руб. на 1 импульс"},
    {"Грив.",
     {"1 грив.", "2 грив.", "5 грив.", "10 грив.", "20 грив.", "50 грив."},
     "грив.",
     "грив. на 1 импульс"},
    {"Руб.",
     {"1000 руб.", "5000 руб.", "10000 руб.", "20000 руб.", "50000 руб.", "100000 руб."},
     "руб.",
     "руб. на 1 импульс"},
    {"Тенге",
     {"", "200 тенге", "500 тенге", "1000 тенге", "2000 тенге", "5000 тенге"},
     "тенге",
     "тенге. на 1 импульс"},
};

} // namespace

void Form::Show_currency() {
    int index = view_.entry(Id::ComboBox35);
    if (index < 0 || index > 3) {
        // A stored currency without an entry shows as Russia; the record keeps
        // its value until the user picks one.
        view_.setEntry(Id::ComboBox35, 0);
        index = 0;
    }
    const CurrencyCaptions& c = kCurrencyCaptions[index];
    view_.setText(Id::Label40, c.priceHeading);
    for (const Control& box : FormControls())
        if (RuleOf(box) && RuleOf(box)->kind == SettingKind::FlagBits)
            view_.setText(box.id, c.banknotes[box.part]);
    view_.setText(Id::Label44, c.balanceUnit);
    view_.setText(Id::Label48, c.coinUnit);
}

void Form::ComboBox35Change(int entry) {
    modified_ = 1;
    StoreEntry(record_, Layout(Id::ComboBox35).setting, entry);
    Show_currency();
}

} // namespace qm
