// Showing the settings record on the form: the mapping, the serial label,
// the currency captions, the page change.
#include "UiTest.h"

#include "Set_def.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cstring>

namespace qmtest {
namespace {

using ShowAllTest = WindowTest;

// Number settings and the edits that show them, as the window is laid out.
struct Shown {
    const char* control;
    int setting;
};
const Shown kNumberEdits[] = {
    {"Edit8", 32},  {"Edit24", 8},  {"Edit30", 9},  {"Edit25", 10}, {"Edit1", 11},  {"Edit2", 12},
    {"Edit4", 13},  {"Edit6", 14},  {"Edit9", 15},  {"Edit11", 16}, {"Edit13", 17}, {"Edit14", 18},
    {"Edit15", 19}, {"Edit16", 20}, {"Edit17", 21}, {"Edit18", 22}, {"Edit19", 23}, {"Edit20", 24},
    {"Edit34", 25}, {"Edit22", 26}, {"Edit23", 27}, {"Edit27", 30}, {"Edit59", 31}, {"Edit54", 33},
    {"Edit55", 34}, {"Edit41", 35}, {"Edit57", 36}, {"Edit58", 37}, {"Edit28", 38}, {"Edit29", 39},
    {"Edit31", 40}, {"Edit32", 41}, {"Edit33", 42}, {"Edit26", 49},
};
const Shown kTextEdits[] = {{"Edit7", 1}, {"Edit12", 2}, {"Edit10", 3}, {"Edit3", 4}, {"Edit5", 5}};

void setSerial(qm::Settings& record, const char* text) {
    qm::CopyText(record.serial, qm::kSerialSize, text);
}

QStringList serialCaptions(qm::TForm1& form) {
    QStringList texts;
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        texts << form.findChild<QLabel*>(name)->text();
    return texts;
}

TEST_F(ShowAllTest, EverySettingReachesItsOwnControl) {
    // Distinct in-range values, so a control bound to the wrong setting shows.
    for (int i = 0; i < static_cast<int>(std::size(kNumberEdits)); ++i) {
        const int n = kNumberEdits[i].setting;
        qm::SetNumberValue(record(), n, static_cast<std::uint32_t>(n == 32 ? 1000 : 1 + i % 23));
    }
    for (const Shown& t : kTextEdits)
        qm::CopyText(qm::TextField(record(), t.setting), qm::TextCapacity(t.setting),
                     "text" + std::to_string(t.setting));
    qm::CopyText(record().SET06, qm::kShortTextSize, "+79161234567");
    qm::CopyText(record().SET07, qm::kShortTextSize, "84951234567");
    record().SET44 = 1;
    record().SET45 = 0;
    record().SET47 = 1;
    record().SET50 = 1;
    record().SET29 = 1;
    const qm::Settings before = record();

    form->Show_all();

    for (int i = 0; i < static_cast<int>(std::size(kNumberEdits)); ++i) {
        const int n = kNumberEdits[i].setting;
        EXPECT_EQ(find<QLineEdit>(kNumberEdits[i].control)->text(),
                  QString::number(n == 32 ? 1000 : 1 + i % 23))
            << kNumberEdits[i].control;
    }
    for (const Shown& t : kTextEdits)
        EXPECT_EQ(find<QLineEdit>(t.control)->text(), QString("text%1").arg(t.setting))
            << t.control;
    EXPECT_EQ(find<QLineEdit>("MaskEdit1")->displayText(), "+7(916)123-45-67");
    EXPECT_EQ(find<QLineEdit>("MaskEdit3")->displayText(), "8(495)123-45-67");
    EXPECT_TRUE(find<QCheckBox>("CheckBox13")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox7")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("CheckBox8")->isChecked());
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), "M20-M45");
    EXPECT_EQ(find<QComboBox>("ComboBox35")->currentText(), "Украина, гривны");
    // Every value was in range: filling stored each back unchanged.
    EXPECT_TRUE(record() == before);
}

TEST_F(ShowAllTest, DefaultsShowAndEnableEverythingAndTheStatusSaysSo) {
    loadDefaults();
    EXPECT_EQ(find<QLineEdit>("Edit7")->text(), "internet.mts.ru");
    EXPECT_EQ(find<QLineEdit>("Edit5")->text(), "*100#");
    EXPECT_EQ(find<QLineEdit>("Edit8")->text(), "60");
    EXPECT_EQ(find<QLineEdit>("Edit24")->text(), "100");
    EXPECT_EQ(find<QLineEdit>("Edit30")->text(), "10");
    // A working-day window of 9:00 to 18:00.
    EXPECT_EQ(find<QLineEdit>("Edit55")->text(), "9");
    EXPECT_EQ(find<QLineEdit>("Edit41")->text(), "0");
    EXPECT_EQ(find<QLineEdit>("Edit57")->text(), "18");
    EXPECT_EQ(find<QLineEdit>("Edit58")->text(), "0");
    EXPECT_EQ(find<QLineEdit>("MaskEdit1")->displayText(), "+7(___)___-__-__");
    EXPECT_EQ(serialCaptions(*form), QStringList(4, "QM . . . . ."));
    EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_EQ(form->statusText(), "Все настройки установлены \"по умолчанию\" ");
    EXPECT_TRUE(find("BitBtn3")->isEnabled());
    EXPECT_TRUE(find("BitBtn8")->isEnabled());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
             qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) &&
            w->objectName() != "Edit21") {
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(find("Edit21")->isHidden());
}

TEST_F(ShowAllTest, BlankSerialLabelOffersTheSerialEntry) {
    record() = qm::Set_def();
    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    QWidget* entry = find("Edit21");
    EXPECT_FALSE(entry->isHidden());
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(serialCaptions(*form), QStringList(4, "QM . . . . ."));

    // A board with a label, loaded next: shown in all four captions; the
    // entry stays.
    setSerial(record(), "QM 0042");
    form->Show_all();
    EXPECT_EQ(serialCaptions(*form), QStringList(4, "QM 0042"));
    EXPECT_FALSE(entry->isHidden());
}

TEST_F(ShowAllTest, SerialEntryVisibilityIsItsOwnWhicheverPageShows) {
    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    clickTab(2);
    EXPECT_FALSE(find("Edit21")->isVisible()); // its page is not shown ...
    EXPECT_FALSE(find("Edit21")->isHidden());  // ... but the entry is on
}

} // namespace
} // namespace qmtest
