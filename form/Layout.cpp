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
    C& tip(const char* text) {
        c_.toolTip = text;
        return *this;
    }
    C& entries(std::initializer_list<const char*> texts) {
        c_.entries.assign(texts.begin(), texts.end());
        return *this;
    }
    // A control of a setting: disabled until settings are shown.
    C& shows(int setting, int part = 0) {
        c_.setting = setting;
        c_.part = part;
        c_.enabled = false;
        return *this;
    }
    // A box of a setting before anything is loaded: disabled, in the
    // 3D-light colour.
    C& settingsBox(int setting) {
        c_.background = Colour::Light3D;
        return shows(setting);
    }
    // A banknote box: one bit of SET28; the column's boxes overlap.
    C& banknote(int bit) {
        c_.clickAnywhere = true;
        c_.overlaps = true;
        c_.caption = kBanknotes;
        settingsBox(28);
        c_.part = bit;
        return *this;
    }
    C& disabled() {
        c_.enabled = false;
        return *this;
    }
    C& caption(std::string text) {
        c_.caption = std::move(text);
        return *this;
    }
    C& hidden() {
        c_.shown = false;
        return *this;
    }
    C& tabStop(bool on) {
        c_.tabStop = on;
        return *this;
    }
    C& buddy(Id control) {
        c_.buddy = control;
        return *this;
    }
    C& font(const char* face, int pixelHeight, bool bold) {
        c_.font = {face, pixelHeight, bold};
        return *this;
    }
    C& colour(Colour text) {
        c_.textColour = text;
        return *this;
    }
    C& background(Colour colour) {
        c_.background = colour;
        return *this;
    }
    C& captionLeft() {
        c_.captionLeft = true;
        return *this;
    }
    C& keepsSelection() {
        c_.keepsSelection = true;
        return *this;
    }
    C& panels(std::initializer_list<int> widths) {
        c_.panels.assign(widths.begin(), widths.end());
        return *this;
    }
    operator Control() const { return c_; }

private:
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

// One row of the SMS times: "Более" [idle minutes] "Минут" [from hour] ":"
// [from minute] "до" [until hour] ":" [until minute] [the row's caption].
struct TimeRow {
    Id labels[6]; // "Более", "Минут", ":", "до", ":", the row's caption
    Id boxes[5];  // idle minutes, from hour, from minute, until hour, until minute
    int top;      // of the boxes
    int firstSetting;
    const char* days; // the row's caption
    int daysWidth;
    const char* idleTip;
};

void timeRow(std::vector<Control>& table, const TimeRow& row) {
    const int y = row.top;
    const std::string days = std::string(", ") + row.days;
    C idle = C(row.boxes[0], K::Edit, Id::GroupBox2, {56, y, 41, 21})
                 .settingsBox(row.firstSetting)
                 .caption(kIdle + days);
    if (row.idleTip)
        idle.tip(row.idleTip);
    const char* const parts[] = {", от (часы)", ", от (минуты)", ", до (часы)", ", до (минуты)"};
    const int lefts[] = {160, 208, 264, 312};
    std::vector<Control> times;
    for (int k = 0; k < 4; ++k)
        times.push_back(C(row.boxes[k + 1], K::Edit, Id::GroupBox2, {lefts[k], y, 25, 21})
                            .tip(k < 2 ? "Не посылать СМС ранее указанного времени"
                                       : "Не посылать СМС позже указанного времени")
                            .settingsBox(row.firstSetting + 1 + k)
                            .caption(kSmsTime + days + parts[k]));
    const auto colon = [&](Id id, int x) {
        return C(id, K::Label, Id::GroupBox2, {x, y - 3, 8, 13}, ":").font(kSans, 19, true);
    };
    const std::vector<Control> made = {
        C(row.labels[0], K::Label, Id::GroupBox2, {16, y + 8, 32, 13}, "Более"),
        idle,
        C(row.labels[1], K::Label, Id::GroupBox2, {100, y + 8, 32, 13}, "Минут"),
        times[0],
        colon(row.labels[2], 192),
        times[1],
        C(row.labels[3], K::Label, Id::GroupBox2, {244, y + 8, 14, 13}, "до"),
        times[2],
        colon(row.labels[4], 296),
        times[3],
        C(row.labels[5], K::Label, Id::GroupBox2, {346, y + 8, row.daysWidth, 13}, row.days),
    };
    table.insert(table.end(), made.begin(), made.end());
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
    timeRow(table, {{Id::Label98, Id::Label99, Id::Label4, Id::Label101, Id::Label26, Id::Label103},
                    {Id::Edit54, Id::Edit55, Id::Edit41, Id::Edit57, Id::Edit58},
                    100,
                    33,
                    "В рабочие дни",
                    80,
                    "Если купюроприёмник не работает указанное кол-во минут - Администратору "
                    "отправляется СМС"});
    timeRow(table, {{Id::Label34, Id::Label35, Id::Label36, Id::Label37, Id::Label38, Id::Label39},
                    {Id::Edit28, Id::Edit29, Id::Edit31, Id::Edit32, Id::Edit33},
                    132,
                    38,
                    "В выходные дни",
                    86,
                    nullptr});
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

const Control* FindControl(std::string_view name) {
    for (const Control& c : FormControls())
        if (c.name == name)
            return &c;
    return nullptr;
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

bool TakesFocus(const Control& control) {
    return control.tabStop || TabStopByDefault(control.kind);
}

} // namespace qm
