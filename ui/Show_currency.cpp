// Currency and banknote captions.
#include "TForm1.h"

#include "AccessibleNames.h"
#include "Appearance.h"
#include "Field_rules.h"
#include "Settings.h"
#include "ui_TForm1.h"

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

void TForm1::Show_currency() {
    int index = ui->ComboBox35->currentIndex();
    if (index < 0 || index > 3) {
        // A stored currency without an entry shows as Russia; the record keeps
        // its value until the user picks one.
        ui->ComboBox35->setCurrentIndex(0);
        index = 0;
    }
    const CurrencyCaptions& c = kCurrencyCaptions[index];
    SetCaption(ui->Label40, QString::fromUtf8(c.priceHeading));
    QCheckBox* const boxes[] = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3,
                                ui->CheckBox4, ui->CheckBox5, ui->CheckBox6};
    for (int k = 0; k < 6; ++k)
        boxes[k]->setText(QString::fromUtf8(c.banknotes[k]));
    SetCaption(ui->Label44, QString::fromUtf8(c.balanceUnit));
    SetCaption(ui->Label48, QString::fromUtf8(c.coinUnit));
    // The money column's boxes are named after its heading.
    NameGridBoxes(*this, bound_);
}

void TForm1::ComboBox35Change(int index) {
    modified = 1;
    StoreEntry(settings, 29, index);
    Show_currency();
}

} // namespace qm
