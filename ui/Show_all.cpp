// Showing the settings record on the form.
#include "TForm1.h"

#include "Appearance.h"
#include "Bindings.h"
#include "Cp1251.h"
#include "Settings.h"

#include <QLineEdit>

#include <cstring>

namespace qm {

void TForm1::Show_all() {
    // A board whose serial label was never set is offered the serial entry;
    // once shown, the entry stays until a store has put the label on its
    // target (WriteImage).
    if (static_cast<unsigned char>(settings.serial[0]) == kBlankSerialMarker) {
        widget<QLineEdit>("Edit21")->show();
        widget<QLineEdit>("Edit21")->setEnabled(true);
    } else {
        setSerialCaptions(QString::fromStdString(
            Utf8FromCp1251({settings.serial, ::strnlen(settings.serial, kSerialSize)})));
    }

    // Filling runs each control's change rule where the shown value changes,
    // so a value stored out of its control's range is stored back in range.
    const auto& bindings = Bindings();
    for (std::size_t i = 0; i < bindings.size(); ++i)
        FillControl(bound_[i], bindings[i]);

    setStatusText(QStringLiteral(" "));

    // Showing the currency entry ran no rule; apply its captions here.
    Show_currency();

    for (QWidget* control : bound_)
        control->setEnabled(true);
    for (std::size_t i = 0; i < bindings.size(); ++i)
        if (IsEntryBox(bindings[i]))
            SetBackground(bound_[i], WorkingBackground(*this));

    repaint();
}

void TForm1::ClearModified() {
    modified = 0;
    repaint();
}

void TForm1::PageControl1Change(int) {
    if (modified)
        Show_all();
    else
        ClearModified();
}

} // namespace qm
