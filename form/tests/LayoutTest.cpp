// The layout as every window reads it: a tree whose parents come before their
// children, controls inside their parents and clear of each other, buddies,
// radio groups and lists a native window can make as they stand.
#include "Layout.h"
#include "Scenarios.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace qm {
namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// The area a child is placed in: a tab page's is its page control's.
Rect area(const Control& parent) {
    if (parent.kind == ControlKind::TabPage)
        return area(Layout(parent.parent));
    return parent.place;
}

TEST(LayoutTest, EachControlComesAfterAParentThatCanHoldIt) {
    std::set<Id> made = {Id::None};
    for (const Control& c : FormControls()) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(made.insert(c.id).second) << "a second entry of that control";
        EXPECT_EQ(&Layout(c.id), &c);
        ASSERT_EQ(made.count(c.parent), 1u) << "its parent comes later or is missing";
        if (c.kind == ControlKind::TabPage) {
            EXPECT_EQ(Layout(c.parent).kind, ControlKind::PageControl);
        } else if (c.parent != Id::None) {
            EXPECT_TRUE(Layout(c.parent).kind == ControlKind::TabPage ||
                        Layout(c.parent).kind == ControlKind::GroupBox);
        }
    }
    EXPECT_EQ(made.size(), static_cast<std::size_t>(kControlCount) + 1);
}

TEST(LayoutTest, EveryControlLiesInsideItsParent) {
    const WindowLayout& window = FormWindow();
    for (const Control& c : FormControls()) {
        if (c.kind == ControlKind::TabPage)
            continue;
        SCOPED_TRACE(c.name);
        const Rect room = c.parent != Id::None
                              ? area(Layout(c.parent))
                              : Rect{0, 0, window.clientWidth, window.clientHeight};
        EXPECT_GT(c.place.width, 0);
        EXPECT_GT(c.place.height, 0);
        EXPECT_GE(c.place.x, 0);
        EXPECT_GE(c.place.y, 0);
        EXPECT_LE(c.place.x + c.place.width, room.width);
        EXPECT_LE(c.place.y + c.place.height, room.height);
    }
}

// Unless both are banknote boxes: the column's boxes share their edge rows.
// Labels aside: their size follows their text in
// the font at hand, which only a window can measure.
TEST(LayoutTest, NoTwoControlsOfOneParentOverlap) {
    const auto isBanknote = [](const Control& c) {
        return RuleOf(c) && RuleOf(c)->kind == SettingKind::FlagBits;
    };
    std::map<Id, std::vector<const Control*>> siblings;
    for (const Control& c : FormControls())
        if (c.kind != ControlKind::Label && c.kind != ControlKind::TabPage)
            siblings[c.parent].push_back(&c);
    for (const auto& [parent, controls] : siblings)
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (!isBanknote(*controls[i]) || !isBanknote(*controls[j])) {
                    EXPECT_FALSE(overlap(controls[i]->place, controls[j]->place))
                        << controls[i]->name << " and " << controls[j]->name;
                }
}

TEST(LayoutTest, EveryBuddyIsAFocusableControlBesideItsLabel) {
    int buddies = 0;
    for (const Control& c : FormControls()) {
        if (c.buddy == Id::None)
            continue;
        SCOPED_TRACE(c.name);
        ++buddies;
        EXPECT_EQ(c.kind, ControlKind::Label);
        EXPECT_EQ(Layout(c.buddy).parent, c.parent);
        EXPECT_TRUE(qmtest::TakesFocus(Layout(c.buddy)));
    }
    EXPECT_GT(buddies, 0);
}

// A native window marks a group by its first button and walks it in
// creation order: the buttons of a group stand together, two or more.
TEST(LayoutTest, RadioButtonsOfAGroupFollowEachOther) {
    std::map<Id, int> groups;
    Id previousGroup = Id::None;
    for (const Control& c : FormControls()) {
        if (!qmtest::TakesFocus(c))
            continue;
        if (c.kind == ControlKind::RadioButton) {
            if (c.parent != previousGroup) {
                EXPECT_EQ(groups.count(c.parent), 0u) << c.name << " stands apart from its group";
                previousGroup = c.parent;
            }
            ++groups[c.parent];
        } else {
            previousGroup = Id::None;
        }
    }
    EXPECT_FALSE(groups.empty());
    for (const auto& [group, buttons] : groups)
        EXPECT_EQ(buttons, 2) << Layout(group).name;
    // The two buttons of a pair show one setting, one standing for 1, the
    // other for 0.
    for (const auto& [group, buttons] : groups) {
        std::map<int, int> values;
        for (const Control& c : FormControls())
            if (c.parent == group)
                values[c.setting] += c.part + 1;
        EXPECT_EQ(values.size(), 1u) << Layout(group).name;
        EXPECT_EQ(values.begin()->second, 3) << Layout(group).name;
    }
}

// Every setting with a control is shown by controls of the kind its rule
// takes: one box, the six banknote boxes (bits 0 to 5), a pair of sensor
// buttons; the serial entry is an edit.
TEST(LayoutTest, EverySettingIsShownByControlsOfItsKind) {
    std::map<int, std::vector<const Control*>> shownBy;
    for (const Control& c : FormControls())
        if (c.setting != 0)
            shownBy[c.setting].push_back(&c);
    for (const SettingRule& rule : SettingRules()) {
        SCOPED_TRACE(rule.setting);
        const std::vector<const Control*>& controls = shownBy[rule.setting];
        std::map<SettingKind, std::pair<ControlKind, std::size_t>> expected = {
            {SettingKind::Text, {ControlKind::Edit, 1}},
            {SettingKind::Number, {ControlKind::Edit, 1}},
            {SettingKind::Phone, {ControlKind::PhoneEdit, 1}},
            {SettingKind::Switch, {ControlKind::CheckBox, 1}},
            {SettingKind::FlagBits, {ControlKind::CheckBox, 6}},
            {SettingKind::Radio, {ControlKind::RadioButton, 2}},
            {SettingKind::List, {ControlKind::DropDownList, 1}},
            {SettingKind::Currency, {ControlKind::DropDownList, 1}},
            {SettingKind::Carried, {ControlKind::Label, 0}},
        };
        const auto [kind, count] = expected.at(rule.kind);
        ASSERT_EQ(controls.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(controls[i]->kind, kind) << controls[i]->name;
            if (rule.kind == SettingKind::FlagBits) {
                EXPECT_EQ(controls[i]->part, static_cast<int>(i)) << controls[i]->name;
            }
        }
    }
    ASSERT_EQ(shownBy[kSerialLabel].size(), 1u);
    EXPECT_EQ(shownBy[kSerialLabel][0]->kind, ControlKind::Edit);
}

TEST(LayoutTest, ListsFontsAndPanelsAreWhole) {
    EXPECT_FALSE(FormWindow().font.face.empty());
    EXPECT_GT(FormWindow().font.pixelHeight, 0);
    int lists = 0, bars = 0;
    for (const Control& c : FormControls()) {
        SCOPED_TRACE(c.name);
        if (!c.font.face.empty()) {
            EXPECT_GT(c.font.pixelHeight, 0);
        }
        EXPECT_EQ(c.kind == ControlKind::DropDownList, !c.entries.empty());
        EXPECT_GE(c.entry, -1);
        EXPECT_LT(c.entry, static_cast<int>(c.entries.size()));
        lists += c.kind == ControlKind::DropDownList;
        EXPECT_EQ(c.kind == ControlKind::StatusBar, !c.panels.empty());
        bars += c.kind == ControlKind::StatusBar;
        for (int width : c.panels)
            EXPECT_GT(width, 0);
    }
    EXPECT_GT(lists, 0);
    EXPECT_EQ(bars, 1);
}

} // namespace
} // namespace qm
