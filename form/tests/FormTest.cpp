// The form over a fake view that notifies nothing: every scenario of the
// window, the telephone box's keys, and what only the form can be asked.
#include "Fake_view.h"

#include "Field_rules.h"
#include "ImageTestSupport.h"
#include "Layout.h"
#include "Phone_box.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qmtest {
namespace {

class FormScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(FormScenario, Runs) {
    FakeDriver driver;
    RunScenario(driver, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Window, FormScenario, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

// Keys in a telephone box: "|" marks the caret, "[" and "]" a selection.
struct PhoneCase {
    const char* before;
    const char* key; // one character, "BS" for Backspace, "DEL" for Delete, or "paste:..."
    const char* after;
};

qm::PhoneBox parse(const std::string& marked, qm::Selection& selected) {
    qm::PhoneBox box;
    for (const char c : marked) {
        if (c == '|')
            box.caret = static_cast<int>(box.text.size());
        else if (c == '[')
            selected.start = static_cast<int>(box.text.size());
        else if (c == ']')
            selected.length = static_cast<int>(box.text.size()) - selected.start;
        else
            box.text += c;
    }
    return box;
}

TEST(PhoneBoxTest, KeysEditTheShownMask) {
    const PhoneCase cases[] = {
        {"|__(___)___-__-__", "+", "+|_(___)___-__-__"},
        {"+|_(___)___-__-__", "7", "+7(|___)___-__-__"}, // steps over the bracket
        {"+7|(___)___-__-__", "(", "+7(|___)___-__-__"}, // a typed bracket steps over it
        {"+7(|___)___-__-__", "x", "+7(|___)___-__-__"}, // letters are refused
        {"+7(|___)___-__-__", "+", "+7(|___)___-__-__"}, // a sign only at the first place
        {"+7(916)|___-__-__", "BS", "+7(91|_)___-__-__"},
        {"+7(916|)___-__-__", "BS", "+7(91|_)___-__-__"},
        {"+7(|916)___-__-__", "DEL", "+7(|_16)___-__-__"},
        {"+7(|916)___-__-__", "BS", "+|_(916)___-__-__"}, // skips the bracket backwards
        {"|__(___)___-__-__", "BS", "|__(___)___-__-__"},
        {"+7([916])___-__-__", "5", "+7(5|__)___-__-__"}, // a selection is replaced
        {"+7([916])___-__-__", "DEL", "+7(|___)___-__-__"},
        {"+7(916)123-45-67|", "1", "+7(916)123-45-67|"}, // full
        {"|__(___)___-__-__", "paste:+7 (916) 123-45-67", "+7(916)123-45-67|"},
        {"|__(___)___-__-__", "paste:8 916", "8(916)|___-__-__"}, // the domestic form
        {"[8(916)123-45-67]", "paste:+79161234567", "+7(916)123-45-67|"},
        {"+7(495)|___-__-__", "paste:123-45-67", "+7(495)123-45-67|"},
        {"|__(___)___-__-__", "paste:no digits", "|__(___)___-__-__"},
    };
    for (const PhoneCase& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + c.key);
        qm::Selection selected;
        const qm::PhoneBox box = parse(c.before, selected);
        const std::string key = c.key;
        qm::PhoneBox after;
        if (key == "BS")
            after = qm::PhonePressKey(box, selected, qm::PhoneKey::Backspace);
        else if (key == "DEL")
            after = qm::PhonePressKey(box, selected, qm::PhoneKey::Delete);
        else if (key.rfind("paste:", 0) == 0)
            after = qm::PhonePaste(box, selected, key.substr(6));
        else
            after = qm::PhoneTypeChar(box, selected, static_cast<unsigned char>(key[0]));
        qm::Selection none;
        const qm::PhoneBox want = parse(c.after, none);
        EXPECT_EQ(after.text, want.text);
        EXPECT_EQ(after.caret, want.caret);
    }
}

TEST(PhoneBoxTest, ValuesLayOutAndBack) {
    struct Case {
        const char* value;
        const char* shown;
        const char* back;
    };
    const Case cases[] = {
        {"", "__(___)___-__-__", ""},
        {"+79161234567", "+7(916)123-45-67", "+79161234567"},
        {"89161234567", "8(916)123-45-67", "89161234567"},
        {"8 916", "8(_91)6__-__-__", "8 916"},              // an inner blank stays a blank
        {"+7(916)", "+7(_91)6__-__-__", "+7 916"},          // what no position takes reads as one
        {"891612345678", "8(916)123-45-67", "89161234567"}, // past the last position
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string shown = qm::PhoneLayOut(qm::PhoneFormFor(c.value), c.value);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(qm::PhoneValueOf(shown), c.back);
    }
    // A click past the typed characters lands right after them.
    EXPECT_EQ(qm::PhoneClickedCaret({"+7(91_)___-__-__", 14}), 5);
    EXPECT_EQ(qm::PhoneClickedCaret({"+7(91_)___-__-__", 1}), 1);
}

class FormTest : public ::testing::Test {
protected:
    FakeDriver d;
};

// Nothing is loaded at start: the record is all zero, the flag clear.
TEST_F(FormTest, StartsWithAZeroRecordAndTheFlagClear) {
    EXPECT_EQ(d.form().record(), qm::Settings{});
    EXPECT_EQ(d.form().modified(), 0);
}

TEST_F(FormTest, StartLookAndTheLookOnceShown) {
    EXPECT_EQ(d.view[qm::Id::Edit24].background, qm::Background::Start);
    EXPECT_EQ(d.view[qm::Id::ComboBox1].background, qm::Background::Start);
    EXPECT_EQ(d.view[qm::Id::CheckBox3].background, qm::Background::Start);
    d.click("BitBtn1");
    EXPECT_EQ(d.view[qm::Id::Edit24].background, qm::Background::Working);
    EXPECT_EQ(d.view[qm::Id::ComboBox1].background, qm::Background::Working);
    EXPECT_EQ(d.view[qm::Id::CheckBox3].background, qm::Background::Start); // for good
    EXPECT_GT(d.view.repaints, 0);
    // Every settings control is enabled; the serial entry is none of them.
    for (const qm::Control& c : qm::FormControls())
        EXPECT_EQ(d.view.enabled(c.id), c.setting != qm::kSerialLabel) << c.name;
}

TEST_F(FormTest, DialogsExitAndTheErrorBox) {
    d.click("BitBtn1");
    d.click("BitBtn11");
    d.click("BitBtn8");
    ASSERT_EQ(d.view.dialogs.size(), 2u);
    EXPECT_STREQ(d.view.dialogs[0]->name, "OpenDialog1");
    EXPECT_STREQ(d.view.dialogs[0]->filter, "Файлы инициализации (*.ini)");
    EXPECT_STREQ(d.view.dialogs[1]->name, "SaveDialog1");
    EXPECT_STREQ(d.view.dialogs[1]->filter, "Файлы инициализации (*ini)");
    EXPECT_FALSE(d.view.dialogs[1]->confirmOverwrite);
    EXPECT_STREQ(d.view.dialogs[1]->fileName, "set.ini");
    d.click("BitBtn12");
    EXPECT_TRUE(d.view.closed);
}

// A view whose dialog fails: the error reaches the error box, and the form
// goes on.
class FailingDialogView : public FakeView {
public:
    std::string runFileDialog(const qm::FileDialogSetup&) override {
        throw std::runtime_error("no dialog");
    }
};

TEST_F(FormTest, AnErrorInAHandlerIsShownAndTheFormGoesOn) {
    FailingDialogView view;
    qm::Form form(view);
    form.clicked(qm::Id::BitBtn11);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxKinds[0], qm::BoxKind::Error);
    EXPECT_EQ(view.boxes[0], "no dialog");
    form.clicked(qm::Id::BitBtn1);
    EXPECT_EQ(view.text(qm::Id::Edit7), "internet.mts.ru");
}

// A toolkit may notify a change that changed nothing (EN_CHANGE on the same
// text): no rule runs for it.
TEST_F(FormTest, ReportsOfNoChangeRunNoRule) {
    d.click("BitBtn1");
    d.form().modified() = 0;
    d.form().typed(qm::Id::Edit7);
    d.form().typed(qm::Id::Edit8);
    d.form().typed(qm::Id::MaskEdit1);
    EXPECT_EQ(d.form().modified(), 0);
    d.view[qm::Id::Edit8].text = "70000";
    d.form().typed(qm::Id::Edit8);
    EXPECT_EQ(d.form().record().SET32, 65535);
    EXPECT_EQ(d.form().modified(), 1);
}

// A view that tells the form of every change to its controls, the form's
// own as well, as the Qt widgets and the Win32 edits do.
class EchoingView : public FakeView {
public:
    void setText(qm::Id c, const std::string& t) override {
        FakeView::setText(c, t);
        if (form)
            form->typed(c);
    }
    void setChecked(qm::Id c, bool on) override {
        FakeView::setChecked(c, on);
        if (form)
            form->toggled(c, on);
    }
    void setPage(int p) override {
        FakeView::setPage(p);
        if (form)
            form->pageChanged(p);
    }
    qm::Form* form = nullptr;
};

TEST_F(FormTest, WhatTheViewTellsWhileTheFormSetsItIsNoReport) {
    EchoingView echoing;
    qm::Form form(echoing);
    echoing.form = &form;
    std::vector<std::string> taken;
    form.setReportHook([&taken](const std::string& line) { taken.push_back(line); });
    form.record().SET32 = 5; // shown as 5, stored back as 15, once
    form.Show_all();
    form.enterPressed(qm::Id::Edit5);
    form.clicked(qm::Id::BitBtn1);
    EXPECT_EQ(taken, (std::vector<std::string>{"enter Edit5", "clicked BitBtn1"}));
    EXPECT_EQ(echoing.text(qm::Id::Edit8), "60");
    EXPECT_EQ(echoing.page(), 1);
    EXPECT_TRUE(echoing.checked(qm::Id::RadioButton2));
}

TEST_F(FormTest, ControlCharactersAndForeignTextsNeverReachTheRecord) {
    d.click("BitBtn1");
    d.retype("Edit7", "ab\tc\x01");
    EXPECT_EQ(d.view.text(qm::Id::Edit7), "ab c");
    EXPECT_EQ(std::string(d.form().record().SET01), "ab c");
    // A paste between "a" and "b": only what came in is looked at.
    d.retype("Edit7", "ab");
    d.pressKey(Key::Left);
    d.paste("\r\n \t\r\nmts\tru\r\nx");
    EXPECT_EQ(d.view.text(qm::Id::Edit7), "amts rub");
    EXPECT_EQ(d.view.caret(qm::Id::Edit7), 7);
    EXPECT_EQ(std::string(d.form().record().SET01), "amts rub");
    d.retype("Edit7", "ab c");
    d.pressKey(Key::SelectAll);
    d.paste("x中y"); // refused whole: the box keeps its text
    EXPECT_EQ(d.view.text(qm::Id::Edit7), "ab c");
    EXPECT_EQ(std::string(d.form().record().SET01), "ab c");
}

} // namespace
} // namespace qmtest
