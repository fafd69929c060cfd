// What follows from the layout table: where a control stands, the setting
// it shows, how much it takes and what it is called.
#include "Layout.h"

#include "Settings.h"

#include <algorithm>
#include <map>

namespace qm {

int PageOf(Id control) {
    Id at = control;
    while (at != Id::None && Layout(at).kind != ControlKind::TabPage)
        at = Layout(at).parent;
    if (at == Id::None)
        return -1;
    int page = 0;
    for (const Control& c : FormControls()) {
        if (c.id == at)
            return page;
        page += c.kind == ControlKind::TabPage;
    }
    return -1;
}

const SettingRule* RuleOf(const Control& control) {
    return control.setting == kSerialLabel ? nullptr : SettingRuleOf(control.setting);
}

int LengthLimit(const Control& control) {
    if (control.setting == kSerialLabel)
        return static_cast<int>(kSerialSize) - 1;
    const SettingRule* rule = RuleOf(control);
    return rule && rule->kind == SettingKind::Text ? static_cast<int>(TextRoom(*rule)) : 0;
}

std::string CaptionOf(const Control& control) {
    if (!control.caption.empty())
        return control.caption;
    for (const Control& label : FormControls())
        if (label.buddy == control.id)
            return label.text;
    if (control.parent == Id::None || Layout(control.parent).kind != ControlKind::GroupBox)
        return {};
    const std::string& group = Layout(control.parent).text;
    return control.kind == ControlKind::CheckBox ? group + ", " + control.text : group;
}

std::string AccessibleName(const Control& control) {
    const bool box = control.kind == ControlKind::Edit || control.kind == ControlKind::PhoneEdit ||
                     control.kind == ControlKind::DropDownList;
    const bool labelled =
        std::any_of(FormControls().begin(), FormControls().end(),
                    [&control](const Control& label) { return label.buddy == control.id; });
    return box && !labelled && RuleOf(control) ? CaptionOf(control) : std::string();
}

const std::string& SettingCaption(int setting) {
    static const std::map<int, std::string> captions = [] {
        std::map<int, std::string> byNumber;
        for (const Control& c : FormControls())
            if (RuleOf(c))
                byNumber.emplace(c.setting, CaptionOf(c));
        return byNumber;
    }();
    static const std::string none;
    const auto found = captions.find(setting);
    return found == captions.end() ? none : found->second;
}

Point PlaceOnScreen(int frameWidth, int frameHeight, const Rect& workArea) {
    const WindowLayout& window = FormWindow();
    const auto within = [](int at, int size, int start, int room) {
        return std::max(start, std::min(at, start + room - size));
    };
    return {within(window.left, frameWidth, workArea.x, workArea.width),
            within(window.top, frameHeight, workArea.y, workArea.height)};
}

} // namespace qm
