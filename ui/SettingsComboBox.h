// A drop-down list whose field shows the palette's Base colour, like the
// edit boxes beside it. The Windows style fills a list's field with the
// button colour, so a settings list would never show the light start-up
// background nor the window colour once settings are loaded.
#pragma once

#include <QComboBox>

namespace qm {

class SettingsComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qm
