// The window and the table of settings it shares with the command line: the
// window's bindings join the table in its order, the captions are the
// window's labels, and what the window stores once it shows a record is
// what the form says it stores without a screen (AsShown).
#include "UiTest.h"

#include "Bindings.h"
#include "Field_rules.h"
#include "Memory_view.h"
#include "Set_def.h"
#include "Setting_rules.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <cstdint>

namespace qmtest {
namespace {

using SettingTableTest = WindowTest;

// The caption the window gives a control: its label's text, or the title of
// its group box, followed by a check box's own text. Empty for a control that
// stands in a grid or a list of boxes under a common heading.
QString captionInTheWindow(QWidget& form, QWidget* control) {
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    const auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
    if (group && qobject_cast<QRadioButton*>(control))
        return group->title();
    if (group && qobject_cast<QCheckBox*>(control))
        return group->title() + QStringLiteral(", ") + static_cast<QCheckBox*>(control)->text();
    return {};
}

TEST_F(SettingTableTest, WindowJoinsTheTableInItsOrderWithItsCaptions) {
    std::vector<int> joined;
    for (const qm::Binding& b : qm::Bindings())
        if (joined.empty() || joined.back() != b.setting)
            joined.push_back(b.setting);
    std::vector<int> shown;
    for (const qm::SettingRule& rule : qm::SettingRules())
        if (rule.kind != qm::SettingKind::Carried)
            shown.push_back(rule.setting);
    EXPECT_EQ(joined, shown);

    int named = 0;
    for (const qm::Binding& b : qm::Bindings()) {
        const qm::SettingRule& rule = *qm::FindSettingRule(qm::SettingKey(b.setting));
        QWidget* control = find(b.control);
        const QString caption = captionInTheWindow(*form, control);
        if (!caption.isEmpty()) {
            EXPECT_EQ(QString::fromStdString(rule.caption), caption) << b.control;
            ++named;
        }
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            EXPECT_EQ(rule.entries, list->count()) << b.control;
        }
    }
    EXPECT_EQ(named, 13 + 3 + 4); // labelled boxes, alert switches, sensor buttons
}

// A fresh window shows a record as the core says (out-of-range numbers both
// ways, texts with control bytes, phones laid out anew, switches, sensors,
// lists and bits out of range), and stores just that.
TEST_F(SettingTableTest, ShowingARecordStoresWhatTheSettingsCoreSays) {
    for (const int number : {65535, 0}) {
        SCOPED_TRACE(number);
        qm::Set_def();
        qm::Settings& r = record();
        for (const qm::SettingRule& rule : qm::SettingRules())
            if (rule.kind == qm::SettingKind::Number)
                qm::SetNumberValue(r, rule.setting, static_cast<std::uint16_t>(number));
        if (number != 0) { // the window already shows these after the first round
            qm::CopyText(r.SET01, qm::kLongTextSize, "a\tb\xE0");
            qm::CopyText(r.SET02, qm::kLongTextSize, "\r\nx\r\ny");
            qm::CopyText(r.SET05, qm::kShortTextSize, "\x01*100#\x7F");
            qm::CopyText(r.SET06, qm::kShortTextSize, "-79161234567");
            qm::CopyText(r.SET07, qm::kShortTextSize, "8916abc1234567");
            r.SET44 = 3;
            r.SET45 = 200;
            r.SET48 = 9;
            r.SET50 = 7;
            r.SET29 = 9;
            r.SET28 = 0xFF;
        }
        const qm::Settings expected = qm::AsShown(r);
        ASSERT_FALSE(expected == r) << "the rules change nothing here";
        form->Show_all();
        for (const qm::SettingRule& rule : qm::SettingRules()) {
            const int n = rule.setting;
            if (n <= qm::kLastText)
                EXPECT_STREQ(qm::TextField(r, n), qm::TextField(expected, n)) << n;
            else
                EXPECT_EQ(qm::NumberValue(r, n), qm::NumberValue(expected, n)) << n;
        }
    }
}

} // namespace
} // namespace qmtest
