// What comes into a text box by the Qt window's own roads (a paste, a drop,
// an input method) meets the text boxes' rule as typing does.
#include "UiTest.h"

#include "Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>

#include <functional>

namespace qmtest {
namespace {

using FieldRulesTest = WindowTest;

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
    form->form().Show_all();
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

} // namespace
} // namespace qmtest
