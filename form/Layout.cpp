#include "Layout.h"

#include <initializer_list>
#include <stdexcept>

namespace qm {

namespace {

using K = ControlKind;

const char* const kSans = "MS Sans Serif";
const char* const kMono = "Courier New";

const char* const kNames[] = {
#define QM_NAME(name) #name,
    QM_LAYOUT_CONTROLS(QM_NAME)
#undef QM_NAME
};

// Texts the window shows that also name the boxes under them.
const std::string kBanknotes = "Принимаемые купюры";
const std::string kPrices = "Прайс деньги/время";
const std::string kIdle = "Время простоя";
const std::string kSmsTime = "Допустимое время для отправки СМС";

// One entry as it is written below: the place and the first text, then what
// sets it apart from its kind's usual control.
class C {
public:
    C(Id id, ControlKind kind, Id parent, Rect place, std::string text = "") {
        c_.id = id;
        c_.name = kNames[static_cast<int>(id)];
        c_.kind = kind;
        c_.parent = parent;
        c_.place = place;
        c_.text = std::move(text);
        c_.tabStop = TabStopByDefault(kind);
    }
    C& tip(const char* text) { return with(&Control::toolTip, std::string(text)); }
    C& entries(std::initializer_list<const char*> texts) {
        return with(&Control::entries, std::vector<std::string>(texts.begin(), texts.end()));
    }
    // A control of a setting: disabled until settings are shown.
    C& shows(int setting, int part = 0) {
        return with(&Control::setting, setting).with(&Control::part, part).disabled();
    }
    // A box of a setting before anything is loaded: disabled, in the
    // 3D-light colour.
    C& settingsBox(int setting) { return background(Colour::Light3D).shows(setting); }
    // A banknote box: one bit of SET28.
    C& banknote(int bit) {
        return settingsBox(28)
            .with(&Control::part, bit)
            .with(&Control::clickAnywhere, true)
            .caption(kBanknotes);
    }
    C& disabled() { return with(&Control::enabled, false); }
    C& caption(std::string text) { return with(&Control::caption, std::move(text)); }
    C& hidden() { return with(&Control::shown, false); }
    C& tabStop(bool on) { return with(&Control::tabStop, on); }
    C& buddy(Id control) { return with(&Control::buddy, control); }
    C& font(const char* face, int pixelHeight, bool bold) {
        return with(&Control::font, Font{face, pixelHeight, bold});
    }
    C& colour(Colour text) { return with(&Control::textColour, text); }
    C& background(Colour colour) { return with(&Control::background, colour); }
    C& captionLeft() { return with(&Control::captionLeft, true); }
    C& keepsSelection() { return with(&Control::keepsSelection, true); }
    C& panels(std::initializer_list<int> widths) {
        return with(&Control::panels, std::vector<int>(widths));
    }
    operator Control() const { return c_; }

private:
    template <class T> C& with(T Control::*field, T value) {
        c_.*field = std::move(value);
        return *this;
    }

    Control c_;
};

// The serial caption at the top of a page.
C serialCaption(Id id, Id page) {
    return C(id, K::Label, page, {256, 16, 74, 13}, "QM . . . . .")
        .font(kSans, 21, true)
        .colour(Colour::Maroon);
}

// The price table: ten rows of money (SET08, SET10 .. SET26) and minutes
// (SET09 .. SET27), named by the table's heading, their column and row.
void priceTable(std::vector<Control>& table) {
    const Id money[] = {Id::Edit24, Id::Edit25, Id::Edit2,  Id::Edit6,  Id::Edit11,
                        Id::Edit14, Id::Edit16, Id::Edit18, Id::Edit20, Id::Edit22};
    const Id minutes[] = {Id::Edit30, Id::Edit1,  Id::Edit4,  Id::Edit9,  Id::Edit13,
                          Id::Edit15, Id::Edit17, Id::Edit19, Id::Edit34, Id::Edit23};
    for (int r = 0; r < 10; ++r) {
        const std::string row = " " + std::to_string(r + 1);
        const int top = 128 + 24 * r;
        table.push_back(C(money[r], K::Edit, Id::TabSheet2, {144, top, 41, 21})
                            .keepsSelection()
                            .settingsBox(8 + 2 * r)
                            .caption(kPrices + ", деньги" + row));
        table.push_back(C(minutes[r], K::Edit, Id::TabSheet2, {192, top, 41, 21})
                            .keepsSelection()
                            .settingsBox(9 + 2 * r)
                            .caption(kPrices + ", время" + row));
    }
}

// The SMS times of a row of days: the box of the idle minutes, the four of
// the hours and minutes, and the ":" between them.
const char* const kWorkDays = "В рабочие дни";
const char* const kDaysOff = "В выходные дни";
const char* const kEarlier = "Не посылать СМС ранее указанного времени";
const char* const kLater = "Не посылать СМС позже указанного времени";

C idleBox(Id id, int top, int setting, const char* days) {
    return C(id, K::Edit, Id::GroupBox2, {56, top, 41, 21})
        .settingsBox(setting)
        .caption(kIdle + ", " + days);
}

C timeBox(Id id, int left, int top, int setting, const char* days, const char* part) {
    return C(id, K::Edit, Id::GroupBox2, {left, top, 25, 21})
        .tip(std::string(part).rfind("от", 0) == 0 ? kEarlier : kLater)
        .settingsBox(setting)
        .caption(kSmsTime + ", " + days + ", " + part);
}

C colon(Id id, int left, int top) {
    return C(id, K::Label, Id::GroupBox2, {left, top, 8, 13}, ":").font(kSans, 19, true);
}

// The settings boxes (edits, telephone boxes, lists) and the banknote boxes
// start in the 3D-light colour, which tells that nothing is loaded yet; the
// serial entry has the window colour throughout.
std::vector<Control> makeControls() {
    std::vector<Control> table = {
        C(Id::BitBtn2, K::Button, Id::None, {0, 0, 106, 25}, "ИЗ УСТРОЙСТВА")
            .tip("Прочитать настройки из внутренней памяти контроллера"),
        C(Id::BitBtn3, K::Button, Id::None, {112, 0, 106, 25}, "В УСТРОЙСТВО")
            .tip("Записать настройки во внутреннюю память контроллера")
            .disabled(),
        C(Id::BitBtn11, K::Button, Id::None, {224, 0, 106, 25}, "ИЗ ФАЙЛА")
            .tip("Прочитать настройки из файла "),
        C(Id::BitBtn8, K::Button, Id::None, {336, 0, 106, 25}, "В ФАЙЛ")
            .tip("Записать настройки в файл")
            .disabled(),
        C(Id::BitBtn1, K::Button, Id::None, {448, 0, 106, 25}, "ПО УМОЛЧАНИЮ")
            .tip("Установить все настройки по умолчанию"),
        C(Id::BitBtn12, K::Button, Id::None, {561, 0, 56, 25}, "ВЫХОД").tip("Закрыть программу"),
        C(Id::PageControl1, K::PageControl, Id::None, {0, 33, 617, 416}),
        C(Id::TabSheet1, K::TabPage, Id::PageControl1, {}, "Настройки модуля связи"),
        serialCaption(Id::Label42, Id::TabSheet1),
        C(Id::Edit21, K::Edit, Id::TabSheet1, {256, 40, 89, 21})
            .shows(kSerialLabel)
            .hidden()
            .tabStop(false)
            .background(Colour::Window),
        C(Id::Label11, K::Label, Id::TabSheet1, {184, 72, 20, 13}, "APN").buddy(Id::Edit7),
        C(Id::Edit7, K::Edit, Id::TabSheet1, {216, 64, 193, 21})
            .tip("Нужное значение APN  зависит от провайдера сотовой сети")
            .settingsBox(1),
        C(Id::Label22, K::Label, Id::TabSheet1, {176, 96, 32, 13}, "Логин").buddy(Id::Edit12),
        C(Id::Edit12, K::Edit, Id::TabSheet1, {216, 88, 193, 21})
            .tip("Нужное значение Логин  зависит от провайдера сотовой сети")
            .settingsBox(2),
        C(Id::Label18, K::Label, Id::TabSheet1, {168, 120, 38, 13}, "Пароль").buddy(Id::Edit10),
        C(Id::Edit10, K::Edit, Id::TabSheet1, {216, 112, 193, 21})
            .tip("Нужное значение Пароля  зависит от провайдера сотовой сети")
            .settingsBox(3),
        C(Id::Label10, K::Label, Id::TabSheet1, {168, 144, 38, 13}, "Сервер").buddy(Id::Edit3),
        C(Id::Edit3, K::Edit, Id::TabSheet1, {216, 136, 193, 21})
            .tip("Адрес сервера мониторинга")
            .settingsBox(4),
        C(Id::Label14, K::Label, Id::TabSheet1, {96, 168, 116, 13}, "Периодичность связи")
            .buddy(Id::Edit8),
        C(Id::Edit8, K::Edit, Id::TabSheet1, {216, 160, 193, 21})
            .tip("Периодичность, с которой контроллер передаёт на сервер своё состояние")
            .settingsBox(32),
        C(Id::Label7, K::Label, Id::TabSheet1, {104, 192, 116, 13}, "Код запроса баланса")
            .buddy(Id::Edit5),
        C(Id::Edit5, K::Edit, Id::TabSheet1, {216, 184, 193, 21})
            .tip("Код запроса баланса по USSD. Если запрос не нужен - удалить все символы")
            .settingsBox(5),
        C(Id::TabSheet2, K::TabPage, Id::PageControl1, {}, "Настройки ценника"),
        serialCaption(Id::Label43, Id::TabSheet2),
        C(Id::Label32, K::Label, Id::TabSheet2, {144, 40, 38, 13}, "Валюта").buddy(Id::ComboBox35),
        C(Id::ComboBox35, K::DropDownList, Id::TabSheet2, {144, 56, 185, 21})
            .tip("Указать национальную валюту")
            .entries({"Россия, рубли", "Украина, гривны", "Белоруссия, рубели", "Казахстан, тенге"})
            .settingsBox(29),
        C(Id::Label2, K::Label, Id::TabSheet2, {312, 96, 116, 13}, kBanknotes + ":")
            .tip("Отметить купюры, которые должен принимать купюроприёмник"),
    };
    const Id banknotes[] = {Id::CheckBox1, Id::CheckBox2, Id::CheckBox3,
                            Id::CheckBox4, Id::CheckBox5, Id::CheckBox6};
    for (int bit = 0; bit < 6; ++bit)
        table.push_back(C(banknotes[bit], K::CheckBox, Id::TabSheet2,
                          {312, 112 + 16 * bit, bit < 5 ? 97 : 89, 17})
                            .banknote(bit));
    const std::vector<Control> headings = {
        C(Id::Label1, K::Label, Id::TabSheet2, {144, 96, 110, 13}, kPrices),
        C(Id::Label40, K::Label, Id::TabSheet2, {143, 112, 6, 13}),
        C(Id::Label41, K::Label, Id::TabSheet2, {191, 112, 26, 13}, "Мин."),
    };
    table.insert(table.end(), headings.begin(), headings.end());
    priceTable(table);
    const std::vector<Control> alerts = {
        C(Id::TabSheet3, K::TabPage, Id::PageControl1, {}, "Настройки SMS оповещений"),
        serialCaption(Id::Label45, Id::TabSheet3),
        C(Id::GroupBox1, K::GroupBox, Id::TabSheet3, {48, 56, 249, 73}, "Отказ купюроприёмника"),
        C(Id::CheckBox7, K::CheckBox, Id::GroupBox1, {8, 16, 97, 17}, "Отсылать СМС")
            .tip("При отказе купюроприёмника - присылать СМС мастеру")
            .shows(45)
            .captionLeft(),
        C(Id::Label54, K::Label, Id::GroupBox1, {8, 44, 92, 13}, "Телефон мастера")
            .buddy(Id::MaskEdit1),
        C(Id::MaskEdit1, K::PhoneEdit, Id::GroupBox1, {104, 40, 137, 24})
            .font(kMono, 13, false)
            .settingsBox(6),
        C(Id::GroupBox3, K::GroupBox, Id::TabSheet3, {320, 56, 225, 73}, "Баланс СИМ карты"),
        C(Id::CheckBox13, K::CheckBox, Id::GroupBox3, {8, 16, 97, 17}, "Отсылать СМС")
            .tip("Посылать СМС при низком балансе")
            .shows(44)
            .captionLeft(),
        C(Id::Label33, K::Label, Id::GroupBox3, {8, 48, 104, 13}, "Если баланс менее")
            .buddy(Id::Edit59),
        C(Id::Edit59, K::Edit, Id::GroupBox3, {112, 44, 49, 21})
            .tip("Баланс СИМ карточки, ниже которого посылать СМС.")
            .settingsBox(31),
        C(Id::Label44, K::Label, Id::GroupBox3, {167, 52, 6, 13}),
        C(Id::GroupBox2, K::GroupBox, Id::TabSheet3, {48, 152, 497, 201}, "Задержка обслуживания"),
        C(Id::CheckBox8, K::CheckBox, Id::GroupBox2, {8, 16, 97, 17}, "Отсылать СМС")
            .tip("Присылать СМС Администратору, если купюроприёмник долго не работает")
            .shows(47)
            .captionLeft(),
        C(Id::Label96, K::Label, Id::GroupBox2, {8, 46, 134, 13}, "Телефон Администратора")
            .buddy(Id::MaskEdit3),
        C(Id::MaskEdit3, K::PhoneEdit, Id::GroupBox2, {144, 40, 137, 24})
            .font(kMono, 13, false)
            .settingsBox(7),
        C(Id::Label49, K::Label, Id::GroupBox2, {16, 80, 80, 13}, kIdle),
        C(Id::Label50, K::Label, Id::GroupBox2, {160, 80, 200, 13}, kSmsTime),
    };
    table.insert(table.end(), alerts.begin(), alerts.end());
    const std::vector<Control> times = {
        C(Id::Label98, K::Label, Id::GroupBox2, {16, 108, 32, 13}, "Более"),
        idleBox(Id::Edit54, 100, 33, kWorkDays)
            .tip("Если купюроприёмник не работает указанное кол-во минут - Администратору "
                 "отправляется СМС"),
        C(Id::Label99, K::Label, Id::GroupBox2, {100, 108, 32, 13}, "Минут"),
        timeBox(Id::Edit55, 160, 100, 34, kWorkDays, "от (часы)"),
        colon(Id::Label4, 192, 97),
        timeBox(Id::Edit41, 208, 100, 35, kWorkDays, "от (минуты)"),
        C(Id::Label101, K::Label, Id::GroupBox2, {244, 108, 14, 13}, "до"),
        timeBox(Id::Edit57, 264, 100, 36, kWorkDays, "до (часы)"),
        colon(Id::Label26, 296, 97),
        timeBox(Id::Edit58, 312, 100, 37, kWorkDays, "до (минуты)"),
        C(Id::Label103, K::Label, Id::GroupBox2, {346, 108, 80, 13}, kWorkDays),
        C(Id::Label34, K::Label, Id::GroupBox2, {16, 140, 32, 13}, "Более"),
        idleBox(Id::Edit28, 132, 38, kDaysOff),
        C(Id::Label35, K::Label, Id::GroupBox2, {100, 140, 32, 13}, "Минут"),
        timeBox(Id::Edit29, 160, 132, 39, kDaysOff, "от (часы)"),
        colon(Id::Label36, 192, 129),
        timeBox(Id::Edit31, 208, 132, 40, kDaysOff, "от (минуты)"),
        C(Id::Label37, K::Label, Id::GroupBox2, {244, 140, 14, 13}, "до"),
        timeBox(Id::Edit32, 264, 132, 41, kDaysOff, "до (часы)"),
        colon(Id::Label38, 296, 129),
        timeBox(Id::Edit33, 312, 132, 42, kDaysOff, "до (минуты)"),
        C(Id::Label39, K::Label, Id::GroupBox2, {346, 140, 86, 13}, kDaysOff),
    };
    table.insert(table.end(), times.begin(), times.end());
    const std::vector<Control> other = {
        C(Id::TabSheet4, K::TabPage, Id::PageControl1, {}, "Прочие настройки"),
        serialCaption(Id::Label46, Id::TabSheet4),
        C(Id::GroupBox4, K::GroupBox, Id::TabSheet4, {112, 64, 145, 81}, "Датчик инкассации")
            .tip("Указать состояние, в котором находится датчик при закрытом денежном ящике")
            .tabStop(true),
        C(Id::RadioButton1, K::RadioButton, Id::GroupBox4, {16, 24, 113, 17}, "Замкнут")
            .shows(48, 1),
        C(Id::RadioButton2, K::RadioButton, Id::GroupBox4, {16, 48, 113, 17}, "Разомкнут")
            .shows(48, 0),
        C(Id::GroupBox5, K::GroupBox, Id::TabSheet4, {288, 64, 177, 81},
          "Датчик технического отсека")
            .tip("Указать состояние, в котром находится датчик при закрытом техническом отсеке")
            .tabStop(true),
        C(Id::RadioButton3, K::RadioButton, Id::GroupBox5, {24, 24, 113, 17}, "Замкнут")
            .shows(52, 1),
        C(Id::RadioButton4, K::RadioButton, Id::GroupBox5, {24, 48, 113, 17}, "Разомкнут")
            .shows(52, 0),
        C(Id::Label3, K::Label, Id::TabSheet4, {176, 185, 62, 13}, "Тип кресла")
            .buddy(Id::ComboBox1),
        C(Id::ComboBox1, K::DropDownList, Id::TabSheet4, {240, 176, 73, 21})
            .tip("Указать тип кресла. ОЧЕНЬ ВАЖНЫЙ ПАРАМЕТР!")
            .entries({"K550", "M20-M45", ""})
            .settingsBox(50),
        C(Id::Label5, K::Label, Id::TabSheet4, {144, 216, 86, 13}, "Монетоприёмник")
            .buddy(Id::Edit26),
        C(Id::Edit26, K::Edit, Id::TabSheet4, {240, 208, 57, 21})
            .tip("Указать, какой сумме соответствует 1 импульс монетоприёмника")
            .settingsBox(49),
        C(Id::Label48, K::Label, Id::TabSheet4, {300, 216, 6, 13}),
        C(Id::Label27, K::Label, Id::TabSheet4, {192, 248, 38, 13}, "Бонусы").buddy(Id::Edit27),
        C(Id::Edit27, K::Edit, Id::TabSheet4, {240, 240, 57, 21})
            .tip("Указать, сколько минут в месяц будет включаться СМС-кой \"BONUSNN\" ")
            .settingsBox(30),
        C(Id::Label47, K::Label, Id::TabSheet4, {300, 248, 80, 13}, "минут в месяц"),
        C(Id::StatusBar1, K::StatusBar, Id::None, {0, 449, 617, 19}).panels({25, 555, 50}),
    };
    table.insert(table.end(), other.begin(), other.end());
    return table;
}

} // namespace

const WindowLayout& FormWindow() {
    static const WindowLayout window = [] {
        WindowLayout w;
        w.name = "Form1";
        w.title = "Программа конфигурирования платы мониторинга серии QM";
        w.clientWidth = 617;
        w.clientHeight = 468;
        w.left = 547;
        w.top = 140;
        w.font = {kSans, 11, false};
        return w;
    }();
    return window;
}

const std::vector<Control>& FormControls() {
    static const std::vector<Control> controls = makeControls();
    return controls;
}

const Control& Layout(Id control) {
    // Where each control's entry stands in the table; every control has one.
    static const std::vector<const Control*> entries = [] {
        std::vector<const Control*> index(kControlCount, nullptr);
        for (const Control& c : FormControls())
            index[static_cast<std::size_t>(c.id)] = &c;
        for (const Control* c : index)
            if (!c)
                throw std::logic_error("A control of the window has no entry in its layout");
        return index;
    }();
    return *entries.at(static_cast<std::size_t>(control));
}

bool TabStopByDefault(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Edit:
    case ControlKind::PhoneEdit:
    case ControlKind::DropDownList:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PageControl:
        return true;
    case ControlKind::GroupBox:
    case ControlKind::Label:
    case ControlKind::TabPage:
    case ControlKind::StatusBar:
        return false;
    }
    return false;
}

} // namespace qm
