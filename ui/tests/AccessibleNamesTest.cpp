// What a screen reader says for each settings box: its label.
#include "UiTest.h"

#include <QAccessible>
#include <QTest>

namespace qmtest {
namespace {

using AccessibleNamesTest = WindowTest;

TEST_F(AccessibleNamesTest, ScreenReadersNameEachBoxByItsLabels) {
    const auto named = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    loadDefaults();
    // A box with a label of its own, and grid boxes by their headings.
    const std::pair<const char*, const char*> boxes[] = {
        {"Edit7", "APN"},
        {"MaskEdit1", "Телефон мастера"},
        {"Edit24", "Прайс деньги/время, деньги 1"},
        {"Edit33", "Допустимое время для отправки СМС, В выходные дни, до (минуты)"},
    };
    for (const auto& [name, label] : boxes)
        EXPECT_EQ(named(find(name)), QString::fromUtf8(label)) << name;
    // A list's label is its "labelled by" relation (on Windows its name too).
    for (const auto& [name, label] :
         {std::pair{"ComboBox35", "Label32"}, {"ComboBox1", "Label3"}}) {
        const auto relations =
            QAccessible::queryAccessibleInterface(find(name))->relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1) << name;
        EXPECT_EQ(relations[0].first->object(), find(label)) << name;
    }
}

} // namespace
} // namespace qmtest
