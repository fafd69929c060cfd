// What the form reads off the layout: the limits, names and order of the
// settings controls, and where the window goes on a small screen.
#include "Fake_view.h"
#include "Layout.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <random>

namespace qmtest {
namespace {

using qm::Id;
using qm::Layout;

TEST(LayoutFactsTest, TextBoxesKeepWhatTheirFieldsHold) {
    const std::pair<Id, int> limits[] = {{Id::Edit7, 31},  {Id::Edit3, 31},   {Id::Edit5, 15},
                                         {Id::Edit21, 12}, {Id::Edit8, 0},    {Id::MaskEdit1, 0},
                                         {Id::Edit24, 0},  {Id::ComboBox1, 0}};
    for (const auto& [control, limit] : limits)
        EXPECT_EQ(qm::LengthLimit(Layout(control)), limit) << Layout(control).name;
}

// The names the command line gives the settings and a screen reader the
// boxes no label names: a label, a group and its box, a grid's headings.
TEST(LayoutFactsTest, EachSettingIsNamedAsTheWindowNamesIt) {
    const std::pair<int, const char*> captions[] = {
        {1, "APN"},
        {8, "Прайс деньги/время, деньги 1"},
        {27, "Прайс деньги/время, время 10"},
        {28, "Принимаемые купюры"},
        {45, "Отказ купюроприёмника, Отсылать СМС"},
        {33, "Время простоя, В рабочие дни"},
        {40, "Допустимое время для отправки СМС, В выходные дни, от (минуты)"},
        {48, "Датчик инкассации"},
        {50, "Тип кресла"},
        {43, ""},
    };
    for (const auto& [setting, caption] : captions)
        EXPECT_EQ(qm::SettingCaption(setting), caption) << setting;
    const std::pair<Id, const char*> names[] = {
        {Id::Edit23, "Прайс деньги/время, время 10"},
        {Id::Edit57, "Допустимое время для отправки СМС, В рабочие дни, до (часы)"},
        {Id::Edit7, ""}, // named by its label
        {Id::CheckBox7, ""},
        {Id::Edit21, ""},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(qm::AccessibleName(Layout(control)), name) << Layout(control).name;
}

TEST(LayoutFactsTest, TheWindowMovesInWhereTheScreenIsTooSmall) {
    struct Case {
        qm::Rect work;
        qm::Point at;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, {547, 140}},   // its laid-out place
        {{0, 0, 1024, 768}, {391, 140}},    // in from the right
        {{0, 0, 800, 600}, {167, 92}},      // in from the right and the bottom
        {{100, 200, 500, 400}, {100, 200}}, // smaller than the window: its top left corner
        {{-1280, 0, 2560, 1024}, {547, 140}},
    };
    for (const Case& c : cases) {
        const qm::Point at = qm::PlaceOnScreen(633, 508, c.work);
        EXPECT_EQ(at.x, c.at.x) << c.work.x << " " << c.work.width;
        EXPECT_EQ(at.y, c.at.y) << c.work.y << " " << c.work.height;
    }
}

// Random edits of the number boxes and clicks on the banknote boxes never
// put a value outside its box's bounds into the record and never touch bits
// 6 and 7 of the banknote set.
TEST(LayoutFactsTest, RandomEditsStayWithinTheBoundsOfEachBox) {
    const unsigned seed = std::random_device{}();
    std::printf("seed %u\n", seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    FakeDriver d;
    d.click("BitBtn1");
    d.form().record().SET28 = 0xC6;
    d.showAll();
    std::vector<const qm::Control*> boxes;
    for (const qm::Control& c : qm::FormControls())
        if (const qm::SettingRule* rule = qm::RuleOf(c);
            rule &&
            (rule->kind == qm::SettingKind::Number || rule->kind == qm::SettingKind::FlagBits))
            boxes.push_back(&c);
    std::uniform_int_distribution<std::size_t> pick(0, boxes.size() - 1);
    std::uniform_int_distribution<int> length(0, 8);
    static const char alphabet[] = "0123456789999-+ x";
    std::uniform_int_distribution<std::size_t> letter(0, sizeof alphabet - 2);
    for (int step = 0; step < 400 && !HasFailure(); ++step) {
        const qm::Control& c = *boxes[pick(rng)];
        d.pickTab(qm::PageOf(c.id));
        if (c.kind == qm::ControlKind::CheckBox) {
            d.click(c.name);
            EXPECT_EQ((d.form().record().SET28 >> c.part) & 1, d.checked(c.name) ? 1 : 0);
        } else {
            std::string text;
            for (int n = length(rng); n > 0; --n)
                text += alphabet[letter(rng)];
            d.retype(c.name, text);
        }
        for (const qm::Control* box : boxes)
            if (const qm::SettingRule* rule = qm::RuleOf(*box);
                rule->kind == qm::SettingKind::Number) {
                const auto v =
                    static_cast<std::int64_t>(qm::NumberValue(d.form().record(), box->setting));
                EXPECT_GE(v, rule->min) << box->name << " after " << c.name;
                EXPECT_LE(v, rule->max) << box->name << " after " << c.name;
            }
        EXPECT_EQ(d.form().record().SET28 & 0xC0, 0xC0) << c.name;
    }
}

} // namespace
} // namespace qmtest
