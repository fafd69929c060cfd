#include "Form.h"

#include "Bindings.h"
#include "Cp1251.h"
#include "Field_rules.h"
#include "Serial_label.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Text_entry.h"

#include <cstring>
#include <exception>

namespace qm {

namespace {

const char* const kSerialCaptions[] = {"Label42", "Label43", "Label45", "Label46"};
const char* const kBanknoteBoxes[] = {"CheckBox1", "CheckBox2", "CheckBox3",
                                      "CheckBox4", "CheckBox5", "CheckBox6"};

std::string storedText(const Settings& record, int setting) {
    const char* field = TextField(record, setting);
    return Utf8FromCp1251({field, ::strnlen(field, TextCapacity(setting))});
}

std::string serialText(const Settings& record) {
    return Utf8FromCp1251({record.serial, ::strnlen(record.serial, kSerialSize)});
}

// Characters of a UTF-8 text, as a caret counts them, and back.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::size_t byteOffset(const std::string& text, int caret) {
    std::size_t i = 0;
    for (int k = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && k++ == caret)
            return i;
    return caret < 0 ? std::string::npos : i;
}

// The other button of a sensor pair.
const Binding* partnerOf(const Binding& button) {
    for (const Binding& b : Bindings())
        if (b.kind == BindingKind::Radio && b.setting == button.setting && &b != &button)
            return &b;
    return nullptr;
}

} // namespace

bool OffersSerialEntry(const Settings& record) {
    return SerialLabelOf(record).kind == SerialLabel::Kind::Blank;
}

const char* ProgramTitle() {
    return QMCONF_PRODUCT_NAME;
}

Form::Form(View& view) : view_(view) {
    // The start look: every box the user types into or picks from, and the
    // banknote boxes for good, in the 3D light colour until settings are shown.
    for (const Binding& b : Bindings())
        if (IsEntryBox(b))
            view_.setBackground(b.control, Background::Start);
    for (const char* box : kBanknoteBoxes)
        view_.setBackground(box, Background::Start);
    view_.setBackground("Edit21", Background::Working);
    for (const char* phone : {"MaskEdit1", "MaskEdit3"})
        view_.setText(phone, PhoneLayOut(PhoneForm::International, ""));
    FormCreate();
}

Form::~Form() = default;

void Form::FormCreate() {
    view_.setStatus(
        "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" ");
}

void Form::showMessage(const std::string& text, const std::string& path) {
    view_.showBox(BoxKind::Message, text + path);
}

void Form::setVolumeSource(VolumeSource source) {
    road_ = BoardRoad(std::move(source));
}

// Reports.

void Form::typed(std::string_view control, const std::string&) {
    guarded([&] {
        const Binding* b = FindBinding(control);
        if (control == "Edit21")
            textChanged(control);
        else if (b && b->kind == BindingKind::Phone)
            phoneChanged(control);
        else if (b && (b->kind == BindingKind::Text || b->kind == BindingKind::Number))
            textChanged(control);
    });
}

void Form::toggled(std::string_view control, bool on) {
    guarded([&] { switchedOn(control, on); });
}

void Form::picked(std::string_view control, int entry) {
    guarded([&] {
        const Binding* b = FindBinding(control);
        if (!b)
            return;
        if (b->kind == BindingKind::Currency)
            ComboBox35Change(entry);
        else if (b->kind == BindingKind::List)
            StoreEntry(record_, b->setting, entry);
    });
}

void Form::clicked(std::string_view control) {
    guarded([&] {
        if (control == "BitBtn1")
            BitBtn1Click();
        else if (control == "BitBtn2")
            BitBtn2Click();
        else if (control == "BitBtn3")
            BitBtn3Click();
        else if (control == "BitBtn8")
            BitBtn8Click();
        else if (control == "BitBtn11")
            BitBtn11Click();
        else if (control == "BitBtn12")
            BitBtn12Click();
        else if (const Binding* b = FindBinding(control);
                 b && b->kind == BindingKind::Phone && view_.selection(control).length == 0) {
            // A click past the typed characters would leave blanks before
            // the number typed there; gaps made on purpose among them stay.
            const int caret = PhoneClickedCaret({view_.text(control), view_.caret(control)});
            if (caret != view_.caret(control))
                view_.setCaret(control, caret);
        }
    });
}

void Form::pageChanged(int) {
    guarded([&] { PageControl1Change(); });
}

void Form::phoneTyped(std::string_view control, char32_t c) {
    guarded([&] {
        showPhone(control, PhoneTypeChar({view_.text(control), view_.caret(control)},
                                         view_.selection(control), c));
    });
}

void Form::phoneKey(std::string_view control, PhoneKey key) {
    guarded([&] {
        showPhone(control, PhonePressKey({view_.text(control), view_.caret(control)},
                                         view_.selection(control), key));
    });
}

void Form::pasted(std::string_view control, const std::string& text) {
    guarded([&] {
        const PhoneBox before{view_.text(control), view_.caret(control)};
        const PhoneBox after = PhonePaste(before, view_.selection(control), text);
        if (after.text != before.text || after.caret != before.caret)
            showPhone(control, after);
    });
}

// Showing values; the rule runs where the shown value changes.

void Form::showText(std::string_view control, const std::string& text) {
    if (view_.text(control) == text)
        return; // showing the same value is no change: caret and selection stay
    view_.setText(control, text);
    textChanged(control);
}

void Form::showChecked(std::string_view control, bool on) {
    if (view_.checked(control) == on)
        return;
    view_.setChecked(control, on);
    switchedOn(control, on);
}

void Form::showPhone(std::string_view control, const PhoneBox& box) {
    const bool changed = view_.text(control) != box.text;
    if (changed)
        view_.setText(control, box.text);
    view_.setCaret(control, box.caret);
    if (changed)
        phoneChanged(control);
}

// The change rules.

void Form::textChanged(std::string_view control) {
    const bool serial = control == "Edit21";
    const Binding* b = serial ? nullptr : FindBinding(control);
    std::string text = view_.text(control);
    std::string& last = lastShown_[std::string(control)];
    if (!b || b->kind == BindingKind::Text) {
        // What enters a text box becomes one line within its field; an edit
        // that brings a character code page 1251 lacks is refused whole.
        const std::size_t room = serial ? kSerialSize - 1 : TextCapacity(b->setting) - 1;
        const auto kept = KeepEntered(last, text, byteOffset(text, view_.caret(control)), room);
        const EditedText shown = kept ? *kept : EditedText{last, last.size()};
        if (shown.text != text) {
            view_.setText(control, shown.text);
            view_.setCaret(control,
                           static_cast<int>(characters(shown.text.substr(0, shown.caret))));
            text = shown.text;
        }
    }
    if (text == last)
        return;
    last = text;
    if (serial) {
        Edit21Change();
        return;
    }
    modified_ = 1;
    if (b->kind == BindingKind::Text)
        StoreText(record_, b->setting, text);
    else
        StoreNumber(record_, *FindSettingRule(SettingKey(b->setting)), text);
}

void Form::switchedOn(std::string_view control, bool on) {
    const Binding* b = FindBinding(control);
    if (!b)
        return;
    switch (b->kind) {
    case BindingKind::Switch:
        modified_ = 1;
        StoreSwitch(record_, b->setting, on);
        break;
    case BindingKind::FlagBit:
        modified_ = 1;
        StoreBanknote(record_, b->bit, on);
        break;
    case BindingKind::Radio:
        // Only the button switched on counts; it switches its partner off,
        // as one group, whatever the toolkit does with the pair.
        if (!on)
            break;
        StoreSwitch(record_, b->setting, b->on != 0);
        if (const Binding* partner = partnerOf(*b); partner && view_.checked(partner->control))
            view_.setChecked(partner->control, false);
        break;
    default:
        break;
    }
}

void Form::phoneChanged(std::string_view control) {
    const Binding* b = FindBinding(control);
    PhoneBox box{view_.text(control), view_.caret(control)};
    const PhoneForm form = PhoneFormOfShown(box.text);
    // A box that let through what no position takes (a toolkit's mask takes
    // digits of other scripts) shows its value as it will be stored.
    const PhoneBox laidOut = PhoneReform(box, form);
    if (laidOut.text != box.text) {
        view_.setText(control, laidOut.text);
        view_.setCaret(control, laidOut.caret);
        box = laidOut;
    }
    const std::string value = PhoneValueOf(box.text);
    std::string& last = lastShown_[std::string(control)];
    if (value == last)
        return;
    last = value;
    modified_ = 1;
    StoreText(record_, b->setting, value);
    if (PhoneErases(value)) {
        // A leading minus erases the number; the emptied box is handled
        // again and ends in the international form, the caret at its start.
        TextField(record_, b->setting)[0] = '\0';
        showPhone(control, {PhoneLayOut(PhoneForm::International, ""), 0});
    } else if (PhoneFormFor(value) != form) {
        showPhone(control, PhoneReform(box, PhoneFormFor(value)));
    }
}

void Form::Edit21Change() {
    if (!StoreLabel(record_, view_.text("Edit21")))
        return; // the entry's own rule lets no such text through
    setSerialCaptions(serialText(record_));
}

void Form::setSerialCaptions(const std::string& text) {
    for (const char* caption : kSerialCaptions)
        view_.setText(caption, text);
}

// Showing the record.

void Form::Show_all() {
    // A board whose serial label was never set is offered the serial entry;
    // once shown, the entry stays until a store has put the label on its
    // target (WriteImage).
    if (OffersSerialEntry(record_)) {
        view_.setShown("Edit21", true);
        view_.setEnabled("Edit21", true);
    } else {
        setSerialCaptions(serialText(record_));
    }

    // Filling runs each control's change rule where the shown value changes,
    // so a value stored out of its control's range is stored back in range.
    for (const Binding& b : Bindings()) {
        const int n = b.setting;
        switch (b.kind) {
        case BindingKind::Text:
            showText(b.control, storedText(record_, n));
            break;
        case BindingKind::Number:
            showText(b.control, std::to_string(NumberValue(record_, n)));
            break;
        case BindingKind::Switch:
            showChecked(b.control, NumberValue(record_, n) != 0);
            break;
        case BindingKind::FlagBit:
            showChecked(b.control, (record_.SET28 >> b.bit) & 1);
            break;
        case BindingKind::Phone: {
            const std::string value = storedText(record_, n);
            if (PhoneValueOf(view_.text(b.control)) != value) {
                const PhoneForm form = PhoneFormFor(value);
                showPhone(b.control, {PhoneLayOut(form, value),
                                      PhonePositionOfSlot(form, static_cast<int>(value.size()))});
            }
            break;
        }
        case BindingKind::Radio:
            // Of a pair, the first button is switched on for a non-zero value
            // and the second for zero.
            showChecked(b.control, (NumberValue(record_, n) != 0) == (b.on != 0));
            break;
        case BindingKind::List:
        case BindingKind::Currency: {
            // Showing an entry runs no rule; a value without one shows none.
            const std::uint32_t value = NumberValue(record_, n);
            view_.setEntry(b.control, value < static_cast<std::uint32_t>(b.entries)
                                          ? static_cast<int>(value)
                                          : -1);
            break;
        }
        }
    }

    view_.setStatus(" ");

    // Showing the currency entry ran no rule; apply its captions here.
    Show_currency();

    for (const Binding& b : Bindings())
        view_.setEnabled(b.control, true);
    for (const Binding& b : Bindings())
        if (IsEntryBox(b))
            view_.setBackground(b.control, Background::Working);

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
