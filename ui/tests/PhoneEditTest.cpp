// The telephone boxes as a user types and pastes, and as Show_all fills them.
#include "UiTest.h"

#include "PhoneEdit.h"
#include "Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QTest>

namespace qmtest {
namespace {

using qm::PhoneEdit;

class PhoneEditTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        loadDefaults();
        clickTab(2);
        phone = find<PhoneEdit>("MaskEdit1");
        empty();
    }
    // Deletes everything, as a user would.
    void empty() {
        focus(phone);
        QTest::keyClick(phone, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(phone, Qt::Key_Delete);
        ASSERT_EQ(FieldText(6), "");
        phone->setCursorPosition(0);
    }
    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(phone, Qt::Key_V, Qt::ControlModifier);
    }

    PhoneEdit* phone = nullptr;
};

TEST_F(PhoneEditTest, TypingAnInternationalNumberKeyByKey) {
    const QString typed = "+79161234567";
    const QStringList shown = {
        "+_(___)___-__-__", "+7(___)___-__-__", "+7(9__)___-__-__", "+7(91_)___-__-__",
        "+7(916)___-__-__", "+7(916)1__-__-__", "+7(916)12_-__-__", "+7(916)123-__-__",
        "+7(916)123-4_-__", "+7(916)123-45-__", "+7(916)123-45-6_", "+7(916)123-45-67",
    };
    for (int i = 0; i < typed.size(); ++i) {
        SCOPED_TRACE(i);
        QTest::keyClick(phone, typed[i].toLatin1());
        EXPECT_EQ(phone->displayText(), shown[i]);
        EXPECT_EQ(QString::fromStdString(FieldText(6)), typed.left(i + 1));
        EXPECT_EQ(phone->form(), PhoneEdit::Form::International);
    }
    QTest::keyClick(phone, '8'); // the box is full
    EXPECT_EQ(FieldText(6), "+79161234567");
}

TEST_F(PhoneEditTest, MinusFirstErasesTheNumber) {
    QTest::keyClicks(phone, "+7916");
    phone->setCursorPosition(0);
    QTest::keyClick(phone, '-');
    EXPECT_EQ(FieldText(6), "");
    EXPECT_EQ(phone->value(), "");
    EXPECT_EQ(phone->displayText(), "__(___)___-__-__");
    EXPECT_EQ(phone->form(), PhoneEdit::Form::International);
    EXPECT_EQ(phone->cursorPosition(), 0);

    // In the domestic form as well.
    QTest::keyClicks(phone, "8916");
    phone->setCursorPosition(0);
    QTest::keyClick(phone, '-');
    EXPECT_EQ(FieldText(6), "");
    EXPECT_EQ(phone->form(), PhoneEdit::Form::International);
    EXPECT_EQ(phone->cursorPosition(), 0);
}

TEST_F(PhoneEditTest, EmptyingADomesticNumberReturnsToTheInternationalForm) {
    QTest::keyClicks(phone, "8916");
    ASSERT_EQ(phone->form(), PhoneEdit::Form::Domestic);
    empty();
    EXPECT_EQ(phone->form(), PhoneEdit::Form::International);
    EXPECT_EQ(phone->displayText(), "__(___)___-__-__");
}

TEST_F(PhoneEditTest, UnfilledInnerPositionsReadAsBlanksAndLettersAreRefused) {
    QTest::keyClicks(phone, "+7");
    phone->setCursorPosition(4); // skip the first digit of the code
    QTest::keyClicks(phone, "x1");
    EXPECT_EQ(phone->displayText(), "+7(_1_)___-__-__");
    EXPECT_EQ(FieldText(6), "+7 1");

    // Digits of other scripts are no digits for the board.
    typeText(phone, QString::fromUtf8("\u0663\u0664"));
    EXPECT_EQ(phone->displayText(), "+7(_1_)___-__-__");
    EXPECT_EQ(FieldText(6), "+7 1");
}

TEST_F(PhoneEditTest, ClickPastTheTypedCharactersPutsTheCaretRightAfterThem) {
    struct Case {
        const char* typedBefore;
        double clickAt; // share of the box's width
        const char* typedAfter;
        const char* stored;
    };
    const Case cases[] = {
        {"", 0.75, "89161234567", "89161234567"},  // an empty box
        {"+7916", 0.9, "1234567", "+79161234567"}, // a partly filled one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typedBefore);
        empty();
        QTest::keyClicks(phone, c.typedBefore);
        const QPoint at(static_cast<int>(phone->width() * c.clickAt), phone->height() / 2);
        QTest::mouseClick(phone, Qt::LeftButton, Qt::NoModifier, at);
        QTest::keyClicks(phone, c.typedAfter);
        EXPECT_EQ(FieldText(6), c.stored);
    }
    // An inner gap made on purpose with the arrow keys reads as a blank.
    empty();
    QTest::keyClicks(phone, "+7");
    QTest::keyClick(phone, Qt::Key_Right);
    QTest::keyClicks(phone, "1");
    EXPECT_EQ(FieldText(6), "+7 1");
}

TEST_F(PhoneEditTest, PastingAWrittenNumber) {
    paste("+7 (916) 123-45-67");
    EXPECT_EQ(phone->displayText(), "+7(916)123-45-67");
    EXPECT_EQ(FieldText(6), "+79161234567");

    empty();
    paste("8 916 123 45 67");
    EXPECT_EQ(phone->form(), PhoneEdit::Form::Domestic);
    EXPECT_EQ(phone->displayText(), "8(916)123-45-67");
    EXPECT_EQ(FieldText(6), "89161234567");

    // A whole international number over a domestic one keeps every digit.
    QTest::keyClick(phone, Qt::Key_A, Qt::ControlModifier);
    paste("+79161234567");
    EXPECT_EQ(phone->form(), PhoneEdit::Form::International);
    EXPECT_EQ(FieldText(6), "+79161234567");

    empty();
    paste("-1");
    EXPECT_EQ(FieldText(6), "");
    EXPECT_EQ(phone->displayText(), "__(___)___-__-__");

    paste("no digits");
    EXPECT_EQ(FieldText(6), "");
}

TEST_F(PhoneEditTest, PastingInTheMiddleOverwritesFromTheCaret) {
    QTest::keyClicks(phone, "+7495");
    phone->setCursorPosition(7);
    paste("123-45-67");
    EXPECT_EQ(phone->displayText(), "+7(495)123-45-67");
    EXPECT_EQ(FieldText(6), "+74951234567");
}

} // namespace
} // namespace qmtest
