// The banknote check boxes CheckBox1 to CheckBox6.
#pragma once

#include <QCheckBox>

namespace qm {

// A check box that toggles wherever its laid-out area is clicked, not only
// on its box and caption: the captions change with the currency and are
// short, and tenge's first box has none at all.
class BanknoteCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace qm
