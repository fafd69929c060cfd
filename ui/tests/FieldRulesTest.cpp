// The change rules as the user types and clicks: ranges, bits, texts, the
// modified flag, the serial entry.
#include "UiTest.h"

#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace qmtest {
namespace {

using FieldRulesTest = WindowTest;

struct Typed {
    const char* control;
    const char* text;
    int setting;
    std::uint32_t stored;
};

TEST_F(FieldRulesTest, NumbersAreBroughtIntoRangeAsTyped) {
    const Typed cases[] = {
        {"Edit24", "5001", 8, 5000},
        {"Edit24", "12abc", 8, 12},
        {"Edit24", "+12", 8, 0},
        {"Edit24", " 7", 8, 0},
        {"Edit24", "--5", 8, 0},
        {"Edit24", "-12345", 8, 0}, // a minus and five digits: the lower bound
        {"Edit8", "", 32, 15},
        {"Edit8", "5", 32, 15},
        {"Edit8", "-3", 32, 15},
        {"Edit8", "--5", 32, 15},
        {"Edit8", "-1234", 32, 15},
        {"Edit8", "70000", 32, 65535},
        {"Edit8", "65535", 32, 65535},
        {"Edit30", "100", 9, 99},
        {"Edit55", "24", 34, 23},
        {"Edit41", "60", 35, 59},
        {"Edit33", "59", 42, 59},
        {"Edit27", "0001234", 30, 123}, // seven digits read as six
        {"Edit27", "100000", 30, 65535},
        {"Edit59", "10001", 31, 10000},
        {"Edit54", "601", 33, 600},
        {"Edit26", "1001", 49, 1000},
        {"Edit26", "0", 49, 0},
    };
    loadDefaults();
    const QStringList pageOf = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    for (const Typed& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " '" + c.text + "'");
        auto* edit = find<QLineEdit>(c.control);
        for (int page = 0; page < 4; ++page)
            if (find(pageOf[page].toLatin1().constData())->isAncestorOf(edit))
                clickTab(page);
        qm::SetNumberValue(qm::settings, c.setting, 7);
        retype(edit, QString::fromLatin1(c.text));
        EXPECT_EQ(qm::NumberValue(qm::settings, c.setting), c.stored);
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.text)); // the typed text stays
    }
}

TEST_F(FieldRulesTest, TypedMoneyShowsInRangeAfterThePageChanges) {
    loadDefaults();
    clickTab(1);
    auto* money = find<QLineEdit>("Edit22");
    retype(money, "60000");
    EXPECT_EQ(qm::settings.SET26, 5000);
    EXPECT_EQ(money->text(), "60000");
    clickTab(2);
    clickTab(1);
    EXPECT_EQ(money->text(), "5000");
}

TEST_F(FieldRulesTest, BanknoteBoxSetsOnlyItsBit) {
    loadDefaults();
    clickTab(1);
    QTest::mouseClick(find("CheckBox3"), Qt::LeftButton); // bit 2 was set by the defaults
    EXPECT_EQ(qm::settings.SET28, 2);
    QTest::mouseClick(find("CheckBox3"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET28, 6);
    QTest::mouseClick(find("CheckBox6"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET28, 6 | 32);

    qm::settings.SET28 = 255;
    form->Show_all();
    QTest::mouseClick(find("CheckBox1"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET28, 254); // bits 6 and 7 kept
    QTest::mouseClick(find("CheckBox1"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET28, 255);
}

TEST_F(FieldRulesTest, BanknoteBoxTogglesWhereverItsAreaIsClicked) {
    loadDefaults();
    qm::settings.SET29 = 3; // tenge: CheckBox1 has no caption
    form->Show_all();
    clickTab(1);
    for (const auto& [name, bit] : {std::pair{"CheckBox1", 0}, std::pair{"CheckBox3", 2}}) {
        SCOPED_TRACE(name);
        QWidget* box = find(name);
        const std::uint8_t before = qm::settings.SET28;
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier,
                          QPoint(box->width() - 3, box->height() / 2));
        EXPECT_EQ(qm::settings.SET28, before ^ (1u << bit));
    }
}

TEST_F(FieldRulesTest, SwitchesRadiosAndTheChairList) {
    loadDefaults();
    clickTab(2);
    QTest::mouseClick(find("CheckBox7"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET45, 1);
    QTest::mouseClick(find("CheckBox13"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET44, 1);
    QTest::mouseClick(find("CheckBox8"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET47, 1);
    QTest::mouseClick(find("CheckBox8"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET47, 0);

    clickTab(3);
    QTest::mouseClick(find("RadioButton1"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET48, 1);
    QTest::mouseClick(find("RadioButton2"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET48, 0);
    QTest::mouseClick(find("RadioButton3"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET52, 1);
    QTest::mouseClick(find("RadioButton4"), Qt::LeftButton);
    EXPECT_EQ(qm::settings.SET52, 0);

    auto* chair = find<QComboBox>("ComboBox1");
    focus(chair);
    QTest::keyClick(chair, Qt::Key_Down); // "M20-M45" to the empty entry
    EXPECT_EQ(chair->currentIndex(), 2);
    EXPECT_EQ(qm::settings.SET50, 2);
    QTest::keyClick(chair, Qt::Key_Home);
    EXPECT_EQ(qm::settings.SET50, 0);
}

TEST_F(FieldRulesTest, ModifiedFlagIsSetByEditsChecksAndCurrencyOnly) {
    loadDefaults();
    qm::settings.serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    const auto flagAfter = [](const std::function<void()>& act) {
        qm::modified = 0;
        act();
        return qm::modified;
    };
    // Not set: radios, the chair list, the serial entry.
    clickTab(3);
    EXPECT_EQ(flagAfter([&] { QTest::mouseClick(find("RadioButton1"), Qt::LeftButton); }), 0);
    EXPECT_EQ(flagAfter([&] { QTest::mouseClick(find("RadioButton3"), Qt::LeftButton); }), 0);
    EXPECT_EQ(flagAfter([&] {
                  focus(find("ComboBox1"));
                  QTest::keyClick(find("ComboBox1"), Qt::Key_Up);
              }),
              0);
    EXPECT_EQ(qm::settings.SET50, 0);
    clickTab(0);
    EXPECT_EQ(flagAfter([&] { retype(find<QLineEdit>("Edit21"), "QM7"); }), 0);

    // Set: a text, a number, a switch, a banknote, a telephone, the currency.
    EXPECT_EQ(flagAfter([&] { retype(find<QLineEdit>("Edit7"), "apn"); }), 1);
    EXPECT_EQ(flagAfter([&] { retype(find<QLineEdit>("Edit8"), "90"); }), 1);
    clickTab(1);
    EXPECT_EQ(flagAfter([&] { QTest::mouseClick(find("CheckBox4"), Qt::LeftButton); }), 1);
    EXPECT_EQ(flagAfter([&] {
                  focus(find("ComboBox35"));
                  QTest::keyClick(find("ComboBox35"), Qt::Key_Down);
              }),
              1);
    clickTab(2);
    EXPECT_EQ(flagAfter([&] { QTest::mouseClick(find("CheckBox13"), Qt::LeftButton); }), 1);
    EXPECT_EQ(flagAfter([&] { retype(find<QLineEdit>("MaskEdit1"), "8"); }), 1);
}

TEST_F(FieldRulesTest, TextsAreStoredInCodePage1251) {
    loadDefaults();
    retype(find<QLineEdit>("Edit7"), "Привет.ru");
    EXPECT_EQ(FieldText(1), "\xCF\xF0\xE8\xE2\xE5\xF2.ru");
    retype(find<QLineEdit>("Edit3"), "");
    EXPECT_EQ(FieldText(4), "");
    retype(find<QLineEdit>("Edit10"), "пароль №1");
    EXPECT_EQ(FieldText(3), "\xEF\xE0\xF0\xEE\xEB\xFC \xB9"
                            "1");
}

TEST_F(FieldRulesTest, TextsHoldNoMoreThanTheirFieldsAndNoForeignCharacters) {
    loadDefaults();
    struct Limit {
        const char* control;
        int capacity;
    };
    for (const Limit l : {Limit{"Edit7", 31}, Limit{"Edit12", 31}, Limit{"Edit10", 31},
                          Limit{"Edit3", 31}, Limit{"Edit5", 15}}) {
        SCOPED_TRACE(l.control);
        auto* edit = find<QLineEdit>(l.control);
        const QString tooLong = QString("Ж").repeated(l.capacity + 5);
        retype(edit, tooLong);
        EXPECT_EQ(edit->text(), tooLong.left(l.capacity));
    }
    EXPECT_EQ(FieldText(1), std::string(31, '\xC6'));
    EXPECT_EQ(FieldText(5), std::string(15, '\xC6'));

    // Characters without a code page 1251 byte are refused as typed and as pasted.
    auto* apn = find<QLineEdit>("Edit7");
    retype(apn, "ab");
    typeText(apn, QString::fromUtf8("中ẞc€"));
    EXPECT_EQ(apn->text(), QString::fromUtf8("abc€"));
    EXPECT_EQ(FieldText(1), "abc\x88");
    QApplication::clipboard()->setText(QString::fromUtf8("x中y"));
    QTest::keyClick(apn, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(apn->text(), QString::fromUtf8("abc€"));
}

enum class Road { Paste, Drop, InputMethod };

// Puts text into the edit at its caret (a drop: at its end) as the user would
// by that road.
void Insert(QLineEdit* edit, Road road, const QString& text) {
    if (road == Road::Paste) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (road == Road::Drop) {
        QMimeData mime;
        mime.setText(text);
        const QPoint at(edit->width() - 4, edit->height() / 2); // past the text's end
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
            QApplication::sendEvent(edit, event);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
    }
}

TEST_F(FieldRulesTest, NoControlCharacterEntersATextOrTheSerialLabel) {
    struct Case {
        Road road;
        const char* before; // with "|" for the caret
        const char* inserted;
        const char* after;
    };
    const Case cases[] = {
        {Road::Paste, "ab|", "internet\nmts.ru", "abinternet"},
        {Road::Paste, "a|b", "\r\n \t\r\nmts\tru\r\nx", "amts rub"},
        {Road::Drop, "ab|", "x\x01y\x1Fz\x7F", "abxyz"},
        {Road::InputMethod, "ab|", "q\tw", "abq w"},
        // The field's limit counts only what is kept.
        {Road::Paste, "|", "\r\n\r\n\r\n\r\n\r\n\r\nQM 1.2.3.4.5\r\n", "QM 1.2.3.4.5"},
    };
    loadDefaults();
    qm::settings.serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    const std::pair<const char*, std::function<std::string()>> fields[] = {
        {"Edit7", [] { return FieldText(1); }},
        {"Edit12", [] { return FieldText(2); }},
        {"Edit10", [] { return FieldText(3); }},
        {"Edit3", [] { return FieldText(4); }},
        {"Edit5", [] { return FieldText(5); }},
        {"Edit21", [] { return std::string(qm::settings.serial); }},
    };
    for (const auto& [name, stored] : fields) {
        auto* edit = find<QLineEdit>(name);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(name) + " " + c.inserted);
            const QString before = QString::fromLatin1(c.before);
            retype(edit, QString(before).remove(u'|'));
            edit->setCursorPosition(static_cast<int>(before.indexOf(u'|')));
            Insert(edit, c.road, QString::fromLatin1(c.inserted));
            EXPECT_EQ(edit->text(), QString::fromLatin1(c.after));
            EXPECT_EQ(stored(), c.after);
        }
    }
}

TEST_F(FieldRulesTest, SerialEntryDrivesTheLabelAndTheFourCaptions) {
    loadDefaults();
    qm::settings.serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    auto* entry = find<QLineEdit>("Edit21");
    focus(entry);
    typeText(entry, "QM12");
    EXPECT_EQ(std::string(qm::settings.serial), "QM12");
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "QM12") << name;

    // At most twelve characters, all of code page 1251.
    typeText(entry, QString::fromUtf8("№3456789中0123"));
    EXPECT_EQ(entry->text(), QString::fromUtf8("QM12№3456789"));
    EXPECT_EQ(std::string(qm::settings.serial), "QM12\xB9"
                                                "3456789");

    // The writer empties the entry: the label and captions follow.
    form->serialEntry().clearText();
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(qm::settings.serial[0], '\0');
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "") << name;
}

} // namespace
} // namespace qmtest
