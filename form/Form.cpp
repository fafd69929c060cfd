#include "Form.h"

#include "Cp1251.h"
#include "Field_rules.h"
#include "Layout.h"
#include "Serial_label.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Text_entry.h"

#include <cstring>
#include <exception>
#include <utility>

namespace qm {

namespace {

const Id kSerialCaptions[] = {Id::Label42, Id::Label43, Id::Label45, Id::Label46};

// A text field of the record, up to its end or its first NUL.
std::string textOf(const char* field, std::size_t capacity) {
    return Utf8FromCp1251({field, ::strnlen(field, capacity)});
}

// Where a caret, counted in characters, stands in a UTF-8 text.
std::size_t byteOffset(const std::string& text, int caret) {
    std::size_t i = 0;
    for (int k = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && k++ == caret)
            return i;
    return caret < 0 ? std::string::npos : i;
}

// The other button of a sensor pair: the one that shows the same setting.
Id partnerOf(const Control& button) {
    for (const Control& c : FormControls())
        if (c.kind == ControlKind::RadioButton && c.setting == button.setting && c.id != button.id)
            return c.id;
    return Id::None;
}

// A box the user types into or picks from, as opposed to a check box or
// radio button.
bool isBox(const Control& c) {
    return c.kind == ControlKind::Edit || c.kind == ControlKind::PhoneEdit ||
           c.kind == ControlKind::DropDownList;
}

// Counts the form at work while a step of its own runs outside a report.
class AtWork {
public:
    explicit AtWork(int& busy) : busy_(busy) { ++busy_; }
    ~AtWork() { --busy_; }
    AtWork(const AtWork&) = delete;
    AtWork& operator=(const AtWork&) = delete;

private:
    int& busy_;
};

} // namespace

bool OffersSerialEntry(const Settings& record) {
    return SerialLabelOf(record).kind == SerialLabel::Kind::Blank;
}

const char* ProgramTitle() {
    return QMCONF_PRODUCT_NAME;
}

Form::Form(View& view) : view_(view) {
    for (const Control& c : FormControls())
        if (c.kind == ControlKind::PhoneEdit)
            view_.setText(c.id, PhoneLayOut(PhoneForm::International, ""));
    FormCreate();
}

Form::~Form() = default;

void Form::FormCreate() {
    view_.setText(
        Id::StatusBar1,
        "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" ");
}

void Form::showMessage(const std::string& text, const std::string& path) {
    view_.showBox(BoxKind::Message, text + path);
}

void Form::setVolumeSource(VolumeSource source) {
    road_ = BoardRoad(std::move(source));
}

void Form::setReportHook(std::function<void(const std::string&)> hook) {
    reportHook_ = std::move(hook);
}

std::string Form::reportLine(const char* what, Id control, const std::string& detail) {
    std::string line = what;
    if (control != Id::None)
        line += " " + Layout(control).name;
    return detail.empty() ? line : line + " " + detail;
}

// Reports.

void Form::typed(Id control) {
    report("typed", control, {}, [&] {
        const Control& c = Layout(control);
        if (c.kind == ControlKind::Edit && c.setting != 0)
            textChanged(control);
    });
}

void Form::toggled(Id control, bool on) {
    report("toggled", control, on ? "on" : "off", [&] {
        // A sensor button is switched off only by its partner: one that the
        // toolkit switched off for a click on it is switched on again.
        if (!on && Layout(control).kind == ControlKind::RadioButton)
            view_.setChecked(control, true);
        else
            switchedOn(control, on);
    });
}

void Form::picked(Id control, int entry) {
    report("picked", control, std::to_string(entry), [&] {
        const Control& c = Layout(control);
        if (const SettingRule* rule = RuleOf(c); rule && rule->kind == SettingKind::Currency)
            ComboBox35Change(entry);
        else if (rule && rule->kind == SettingKind::List)
            StoreEntry(record_, c.setting, entry);
    });
}

void Form::arrowPressed(Id control) {
    report("arrow", control, {}, [&] {
        // Within a sensor pair the arrows move the selection and the focus
        // to the other button, round the ends.
        const Control& c = Layout(control);
        const Id other = c.kind == ControlKind::RadioButton ? partnerOf(c) : Id::None;
        if (other == Id::None || !view_.enabled(other) || !view_.shown(other))
            return;
        view_.setFocus(other, FocusWay::Step);
        showChecked(other, true);
    });
}

void Form::clicked(Id control) {
    report("clicked", control, {}, [&] {
        // The command buttons, each with what it runs.
        static constexpr std::pair<Id, void (Form::*)()> kCommands[] = {
            {Id::BitBtn1, &Form::BitBtn1Click},   {Id::BitBtn2, &Form::BitBtn2Click},
            {Id::BitBtn3, &Form::BitBtn3Click},   {Id::BitBtn8, &Form::BitBtn8Click},
            {Id::BitBtn11, &Form::BitBtn11Click}, {Id::BitBtn12, &Form::BitBtn12Click},
        };
        for (const auto& [button, command] : kCommands)
            if (button == control)
                return (this->*command)();
        if (Layout(control).kind == ControlKind::PhoneEdit &&
            view_.selection(control).length == 0) {
            // A click past the typed characters would leave blanks before
            // the number typed there; gaps made on purpose among them stay.
            const int caret = PhoneClickedCaret({view_.text(control), view_.caret(control)});
            if (caret != view_.caret(control))
                view_.setCaret(control, caret);
        }
    });
}

void Form::pageChanged(int page) {
    report("page", Id::None, std::to_string(page), [&] { PageControl1Change(); });
}

void Form::phoneTyped(Id control, char32_t c) {
    const std::string key = c > 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c))
                                                 : "U+" + std::to_string(static_cast<long>(c));
    report("phoneTyped", control, key, [&] {
        showPhone(control, PhoneTypeChar({view_.text(control), view_.caret(control)},
                                         view_.selection(control), c));
    });
}

void Form::phoneKey(Id control, PhoneKey key) {
    report("phoneKey", control, key == PhoneKey::Backspace ? "Backspace" : "Delete", [&] {
        showPhone(control, PhonePressKey({view_.text(control), view_.caret(control)},
                                         view_.selection(control), key));
    });
}

void Form::pasted(Id control, const std::string& text) {
    report("pasted", control, text, [&] {
        const PhoneBox before{view_.text(control), view_.caret(control)};
        const PhoneBox after = PhonePaste(before, view_.selection(control), text);
        if (after.text != before.text || after.caret != before.caret)
            showPhone(control, after);
    });
}

// Showing values; the rule runs where the shown value changes.

void Form::showText(Id control, const std::string& text) {
    if (view_.text(control) == text)
        return; // showing the same value is no change: caret and selection stay
    view_.setText(control, text);
    textChanged(control);
}

void Form::showChecked(Id control, bool on) {
    if (view_.checked(control) == on)
        return;
    view_.setChecked(control, on);
    switchedOn(control, on);
}

void Form::showPhone(Id control, const PhoneBox& box) {
    const bool changed = view_.text(control) != box.text;
    if (changed)
        view_.setText(control, box.text);
    view_.setCaret(control, box.caret);
    if (changed)
        phoneChanged(control);
}

// The change rules.

void Form::textChanged(Id control) {
    const Control& c = Layout(control);
    const SettingRule* rule = RuleOf(c);
    std::string text = view_.text(control);
    std::string& last = lastShown_[control];
    if (!rule || rule->kind == SettingKind::Text) {
        // What enters a text box becomes one line within its field; an edit
        // that brings a character code page 1251 lacks is refused whole.
        const auto room = static_cast<std::size_t>(LengthLimit(c));
        const auto kept = KeepEntered(last, text, byteOffset(text, view_.caret(control)), room);
        const EditedText shown = kept ? *kept : EditedText{last, last.size()};
        if (shown.text != text) {
            view_.setText(control, shown.text);
            view_.setCaret(control,
                           static_cast<int>(Characters(shown.text.substr(0, shown.caret))));
            text = shown.text;
        }
    }
    if (text == last)
        return;
    last = text;
    if (!rule) {
        Edit21Change();
        return;
    }
    modified_ = 1;
    if (rule->kind == SettingKind::Text)
        StoreText(record_, c.setting, text);
    else
        StoreNumber(record_, *rule, text);
}

void Form::switchedOn(Id control, bool on) {
    const Control& c = Layout(control);
    const SettingRule* rule = RuleOf(c);
    if (!rule)
        return;
    switch (rule->kind) {
    case SettingKind::Switch:
        modified_ = 1;
        StoreSwitch(record_, c.setting, on);
        break;
    case SettingKind::FlagBits:
        modified_ = 1;
        StoreBanknote(record_, c.part, on);
        break;
    case SettingKind::Radio: {
        // Only the button switched on counts; it switches its partner off,
        // as one group, whatever the toolkit does with the pair, and is the
        // pair's tab stop.
        if (!on)
            break;
        StoreSwitch(record_, c.setting, c.part != 0);
        const Id partner = partnerOf(c);
        if (view_.checked(partner))
            view_.setChecked(partner, false);
        view_.setTabStop(control, true);
        view_.setTabStop(partner, false);
        break;
    }
    default:
        break;
    }
}

void Form::phoneChanged(Id control) {
    const std::string value = PhoneValueOf(view_.text(control));
    std::string& last = lastShown_[control];
    if (value == last)
        return;
    last = value;
    modified_ = 1;
    const int setting = Layout(control).setting;
    StoreText(record_, setting, value);
    if (PhoneErases(value)) {
        // A leading minus erases the number; the emptied box is handled
        // again and ends in the international form, the caret at its start.
        TextField(record_, setting)[0] = '\0';
        showPhone(control, {PhoneLayOut(PhoneForm::International, ""), 0});
    } else if (PhoneFormFor(value) != PhoneFormOfShown(view_.text(control))) {
        showPhone(control,
                  PhoneReform({view_.text(control), view_.caret(control)}, PhoneFormFor(value)));
    }
}

void Form::Edit21Change() {
    if (!StoreLabel(record_, view_.text(Id::Edit21)))
        return; // the entry's own rule lets no such text through
    setSerialCaptions(textOf(record_.serial, kSerialSize));
}

void Form::setSerialCaptions(const std::string& text) {
    for (const Id caption : kSerialCaptions)
        view_.setText(caption, text);
}

// Showing the record.

void Form::Show_all() {
    const AtWork atWork(busy_);
    // A board whose serial label was never set is offered the serial entry;
    // once shown, the entry stays until a store has put the label on its
    // target (WriteImage).
    if (OffersSerialEntry(record_)) {
        view_.setShown(Id::Edit21, true);
        view_.setEnabled(Id::Edit21, true);
    } else {
        setSerialCaptions(textOf(record_.serial, kSerialSize));
    }

    // Filling runs each control's change rule where the shown value changes,
    // so a value stored out of its control's range is stored back in range.
    for (const Control& c : FormControls()) {
        const SettingRule* rule = RuleOf(c);
        if (!rule)
            continue;
        const int n = c.setting;
        switch (rule->kind) {
        case SettingKind::Text:
            showText(c.id, textOf(TextField(record_, n), TextCapacity(n)));
            break;
        case SettingKind::Number:
            showText(c.id, std::to_string(NumberValue(record_, n)));
            break;
        case SettingKind::Switch:
            showChecked(c.id, NumberValue(record_, n) != 0);
            break;
        case SettingKind::FlagBits:
            showChecked(c.id, (record_.SET28 >> c.part) & 1);
            break;
        case SettingKind::Phone: {
            const std::string value = textOf(TextField(record_, n), TextCapacity(n));
            if (PhoneValueOf(view_.text(c.id)) != value) {
                const PhoneForm form = PhoneFormFor(value);
                showPhone(c.id, {PhoneLayOut(form, value),
                                 PhonePositionOfSlot(form, static_cast<int>(value.size()))});
            }
            break;
        }
        case SettingKind::Radio:
            // Of a pair, the first button is switched on for a non-zero value
            // and the second for zero.
            showChecked(c.id, (NumberValue(record_, n) != 0) == (c.part != 0));
            break;
        case SettingKind::List:
        case SettingKind::Currency: {
            // Showing an entry runs no rule; a value without one shows none.
            const std::uint32_t value = NumberValue(record_, n);
            view_.setEntry(c.id, value < c.entries.size() ? static_cast<int>(value) : -1);
            break;
        }
        case SettingKind::Carried:
            break;
        }
    }

    view_.setText(Id::StatusBar1, " ");

    // Showing the currency entry ran no rule; apply its captions here.
    Show_currency();

    for (const Control& c : FormControls())
        if (RuleOf(c))
            view_.setEnabled(c.id, true);
    for (const Control& c : FormControls())
        if (RuleOf(c) && isBox(c))
            view_.setBackground(c.id, Background::Working);

    view_.repaint();
}

void Form::ClearModified() {
    modified_ = 0;
    view_.repaint();
}

void Form::PageControl1Change() {
    if (modified_)
        Show_all();
    else
        ClearModified();
}

} // namespace qm
