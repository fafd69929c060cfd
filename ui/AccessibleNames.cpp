#include "AccessibleNames.h"

#include "Bindings.h"

#include <QLabel>
#include <QWidget>

namespace qm {

namespace {

QString labelText(const QWidget& form, const char* name) {
    const auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

// The headings of a grid box, by the setting it shows; empty for any other.
QString gridName(const QWidget& form, int setting) {
    if (setting >= 8 && setting <= 27) { // price rows: money, then minutes
        const int row = (setting - 8) / 2 + 1;
        return labelText(form, setting % 2 == 0 ? "Label40" : "Label41") + u' ' +
               QString::number(row);
    }
    if (setting >= 33 && setting <= 42) { // idle minutes, then the time window
        const bool idle = setting == 33 || setting == 38;
        return labelText(form, idle ? "Label49" : "Label50") + QStringLiteral(", ") +
               labelText(form, setting <= 37 ? "Label103" : "Label39");
    }
    return {};
}

} // namespace

void NameGridBoxes(QWidget& form) {
    for (const Binding& b : Bindings())
        if (b.kind == BindingKind::Number) {
            const QString name = gridName(form, b.setting);
            auto* box = form.findChild<QWidget*>(QString::fromLatin1(b.control));
            if (box && !name.isEmpty())
                box->setAccessibleName(name);
        }
}

} // namespace qm
