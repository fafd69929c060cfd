#include "SettingsComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace qm {

void SettingsComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);

    // Frame and field in the field colour; the arrow button keeps the
    // button colour, as in the classic Windows look.
    QStyleOptionComboBox field = option;
    field.palette.setBrush(QPalette::Button, option.palette.brush(QPalette::Base));
    field.subControls &= ~QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, field);
    QStyleOptionComboBox arrow = option;
    arrow.subControls = QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, arrow);

    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace qm
