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

TEST_F(FieldRulesTest, BanknoteBoxTogglesWhereverItsAreaIsClicked) {
    loadDefaults();
    record().SET29 = 3; // tenge: CheckBox1 has no caption
    form->Show_all();
    clickTab(1);
    for (const auto& [name, bit] : {std::pair{"CheckBox1", 0}, std::pair{"CheckBox3", 2}}) {
        SCOPED_TRACE(name);
        QWidget* box = find(name);
        const std::uint8_t before = record().SET28;
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier,
                          QPoint(box->width() - 3, box->height() / 2));
        EXPECT_EQ(record().SET28, before ^ (1u << bit));
    }
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
    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    const std::pair<const char*, std::function<std::string()>> fields[] = {
        {"Edit7", [this] { return FieldText(1); }},
        {"Edit12", [this] { return FieldText(2); }},
        {"Edit10", [this] { return FieldText(3); }},
        {"Edit3", [this] { return FieldText(4); }},
        {"Edit5", [this] { return FieldText(5); }},
        {"Edit21", [this] { return std::string(record().serial); }},
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
    record().serial[0] = static_cast<char>(qm::kBlankSerialMarker);
    form->Show_all();
    auto* entry = find<QLineEdit>("Edit21");
    focus(entry);
    typeText(entry, "QM12");
    EXPECT_EQ(std::string(record().serial), "QM12");
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "QM12") << name;

    // At most twelve characters, all of code page 1251.
    typeText(entry, QString::fromUtf8("№3456789中0123"));
    EXPECT_EQ(entry->text(), QString::fromUtf8("QM12№3456789"));
    EXPECT_EQ(std::string(record().serial), "QM12\xB9"
                                            "3456789");

    // The entry emptied: the label and captions follow.
    retype(entry, "");
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(record().serial[0], '\0');
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "") << name;
}

} // namespace
} // namespace qmtest
