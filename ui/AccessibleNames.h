// Names that a screen reader says for the settings boxes.
#pragma once

class QWidget;

namespace qm {

// A box with a label of its own is named by it through the label's buddy in
// the form. The boxes of the price table and of the SMS time windows stand
// in a grid without one: each is named after the labels that head its
// column and its row ("Руб. 3", "Время простоя, В рабочие дни"), the price
// rows by their number. Run again when a heading changes (the money heading
// follows the currency).
void NameGridBoxes(QWidget& form);

} // namespace qm
