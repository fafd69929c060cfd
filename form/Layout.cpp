#include "Layout.h"

#include <initializer_list>

namespace qm {

namespace {

using K = ControlKind;

const char* const kSans = "MS Sans Serif";
const char* const kMono = "Courier New";

// One entry as it is written below: the place and the first text, then what
// sets it apart from its kind's usual control.
class C {
public:
    C(const char* name, ControlKind kind, const char* parent, Rect place, const char* text = "") {
        c_.name = name;
        c_.kind = kind;
        c_.parent = parent;
        c_.place = place;
        c_.text = text;
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
    // A box of a setting before anything is loaded: disabled, in the
    // 3D-light colour.
    C& settingsBox() {
        c_.enabled = false;
        c_.background = Colour::Light3D;
        return *this;
    }
    C& disabled() {
        c_.enabled = false;
        return *this;
    }
    C& hidden() {
        c_.shown = false;
        return *this;
    }
    C& tabStop() {
        c_.tabStop = true;
        return *this;
    }
    C& noTabStop() {
        c_.tabStop = false;
        return *this;
    }
    C& buddy(const char* name) {
        c_.buddy = name;
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
    C& maxLength(int characters) {
        c_.maxLength = characters;
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
    C& clickAnywhere() {
        c_.clickAnywhere = true;
        return *this;
    }
    C& overlaps() {
        c_.overlaps = true;
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

// The settings boxes (edits, telephone boxes, lists) and the banknote boxes
// start in the 3D-light colour, which tells that nothing is loaded yet; the
// serial entry has the window colour throughout. The telephone boxes take at
// most 16 characters, the international mask's length.
std::vector<Control> makeControls() {
    return {
        C("BitBtn2", K::Button, "Form1", {0, 0, 106, 25}, "ИЗ УСТРОЙСТВА")
            .tip("Прочитать настройки из внутренней памяти контроллера"),
        C("BitBtn3", K::Button, "Form1", {112, 0, 106, 25}, "В УСТРОЙСТВО")
            .tip("Записать настройки во внутреннюю память контроллера")
            .disabled(),
        C("BitBtn11", K::Button, "Form1", {224, 0, 106, 25}, "ИЗ ФАЙЛА")
            .tip("Прочитать настройки из файла "),
        C("BitBtn8", K::Button, "Form1", {336, 0, 106, 25}, "В ФАЙЛ")
            .tip("Записать настройки в файл")
            .disabled(),
        C("BitBtn1", K::Button, "Form1", {448, 0, 106, 25}, "ПО УМОЛЧАНИЮ")
            .tip("Установить все настройки по умолчанию"),
        C("BitBtn12", K::Button, "Form1", {561, 0, 56, 25}, "ВЫХОД").tip("Закрыть программу"),
        C("PageControl1", K::PageControl, "Form1", {0, 33, 617, 416}),
        C("TabSheet1", K::TabPage, "PageControl1", {}, "Настройки модуля связи"),
        C("Label42", K::Label, "TabSheet1", {256, 16, 74, 13}, "QM . . . . .")
            .font(kSans, 21, true)
            .colour(Colour::Maroon),
        C("Edit21", K::Edit, "TabSheet1", {256, 40, 89, 21})
            .disabled()
            .hidden()
            .noTabStop()
            .background(Colour::Window),
        C("Label11", K::Label, "TabSheet1", {184, 72, 20, 13}, "APN").buddy("Edit7"),
        C("Edit7", K::Edit, "TabSheet1", {216, 64, 193, 21})
            .tip("Нужное значение APN  зависит от провайдера сотовой сети")
            .settingsBox(),
        C("Label22", K::Label, "TabSheet1", {176, 96, 32, 13}, "Логин").buddy("Edit12"),
        C("Edit12", K::Edit, "TabSheet1", {216, 88, 193, 21})
            .tip("Нужное значение Логин  зависит от провайдера сотовой сети")
            .settingsBox(),
        C("Label18", K::Label, "TabSheet1", {168, 120, 38, 13}, "Пароль").buddy("Edit10"),
        C("Edit10", K::Edit, "TabSheet1", {216, 112, 193, 21})
            .tip("Нужное значение Пароля  зависит от провайдера сотовой сети")
            .settingsBox(),
        C("Label10", K::Label, "TabSheet1", {168, 144, 38, 13}, "Сервер").buddy("Edit3"),
        C("Edit3", K::Edit, "TabSheet1", {216, 136, 193, 21})
            .tip("Адрес сервера мониторинга")
            .settingsBox(),
        C("Label14", K::Label, "TabSheet1", {96, 168, 116, 13}, "Периодичность связи")
            .buddy("Edit8"),
        C("Edit8", K::Edit, "TabSheet1", {216, 160, 193, 21})
            .tip("Периодичность, с которой контроллер передаёт на сервер своё состояние")
            .settingsBox(),
        C("Label7", K::Label, "TabSheet1", {104, 192, 116, 13}, "Код запроса баланса")
            .buddy("Edit5"),
        C("Edit5", K::Edit, "TabSheet1", {216, 184, 193, 21})
            .tip("Код запроса баланса по USSD. Если запрос не нужен - удалить все символы")
            .settingsBox(),
        C("TabSheet2", K::TabPage, "PageControl1", {}, "Настройки ценника"),
        C("Label43", K::Label, "TabSheet2", {256, 16, 74, 13}, "QM . . . . .")
            .font(kSans, 21, true)
            .colour(Colour::Maroon),
        C("Label32", K::Label, "TabSheet2", {144, 40, 38, 13}, "Валюта").buddy("ComboBox35"),
        C("ComboBox35", K::DropDownList, "TabSheet2", {144, 56, 185, 21})
            .tip("Указать национальную валюту")
            .entries({"Россия, рубли", "Украина, гривны", "Белоруссия, рубели", "Казахстан, тенге"})
            .settingsBox(),
        C("Label2", K::Label, "TabSheet2", {312, 96, 116, 13}, "Принимаемые купюры:")
            .tip("Отметить купюры, которые должен принимать купюроприёмник"),
        C("CheckBox1", K::CheckBox, "TabSheet2", {312, 112, 97, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("CheckBox2", K::CheckBox, "TabSheet2", {312, 128, 97, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("CheckBox3", K::CheckBox, "TabSheet2", {312, 144, 97, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("CheckBox4", K::CheckBox, "TabSheet2", {312, 160, 97, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("CheckBox5", K::CheckBox, "TabSheet2", {312, 176, 97, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("CheckBox6", K::CheckBox, "TabSheet2", {312, 192, 89, 17})
            .clickAnywhere()
            .overlaps()
            .settingsBox(),
        C("Label1", K::Label, "TabSheet2", {144, 96, 110, 13}, "Прайс деньги/время"),
        C("Label40", K::Label, "TabSheet2", {143, 112, 6, 13}),
        C("Label41", K::Label, "TabSheet2", {191, 112, 26, 13}, "Мин."),
        C("Edit24", K::Edit, "TabSheet2", {144, 128, 41, 21}).keepsSelection().settingsBox(),
        C("Edit30", K::Edit, "TabSheet2", {192, 128, 41, 21}).keepsSelection().settingsBox(),
        C("Edit25", K::Edit, "TabSheet2", {144, 152, 41, 21}).keepsSelection().settingsBox(),
        C("Edit1", K::Edit, "TabSheet2", {192, 152, 41, 21}).keepsSelection().settingsBox(),
        C("Edit2", K::Edit, "TabSheet2", {144, 176, 41, 21}).keepsSelection().settingsBox(),
        C("Edit4", K::Edit, "TabSheet2", {192, 176, 41, 21}).keepsSelection().settingsBox(),
        C("Edit6", K::Edit, "TabSheet2", {144, 200, 41, 21}).keepsSelection().settingsBox(),
        C("Edit9", K::Edit, "TabSheet2", {192, 200, 41, 21}).keepsSelection().settingsBox(),
        C("Edit11", K::Edit, "TabSheet2", {144, 224, 41, 21}).keepsSelection().settingsBox(),
        C("Edit13", K::Edit, "TabSheet2", {192, 224, 41, 21}).keepsSelection().settingsBox(),
        C("Edit14", K::Edit, "TabSheet2", {144, 248, 41, 21}).keepsSelection().settingsBox(),
        C("Edit15", K::Edit, "TabSheet2", {192, 248, 41, 21}).keepsSelection().settingsBox(),
        C("Edit16", K::Edit, "TabSheet2", {144, 272, 41, 21}).keepsSelection().settingsBox(),
        C("Edit17", K::Edit, "TabSheet2", {192, 272, 41, 21}).keepsSelection().settingsBox(),
        C("Edit18", K::Edit, "TabSheet2", {144, 296, 41, 21}).keepsSelection().settingsBox(),
        C("Edit19", K::Edit, "TabSheet2", {192, 296, 41, 21}).keepsSelection().settingsBox(),
        C("Edit20", K::Edit, "TabSheet2", {144, 320, 41, 21}).keepsSelection().settingsBox(),
        C("Edit34", K::Edit, "TabSheet2", {192, 320, 41, 21}).keepsSelection().settingsBox(),
        C("Edit22", K::Edit, "TabSheet2", {144, 344, 41, 21}).keepsSelection().settingsBox(),
        C("Edit23", K::Edit, "TabSheet2", {192, 344, 41, 21}).keepsSelection().settingsBox(),
        C("TabSheet3", K::TabPage, "PageControl1", {}, "Настройки SMS оповещений"),
        C("Label45", K::Label, "TabSheet3", {256, 16, 74, 13}, "QM . . . . .")
            .font(kSans, 21, true)
            .colour(Colour::Maroon),
        C("GroupBox1", K::GroupBox, "TabSheet3", {48, 56, 249, 73}, "Отказ купюроприёмника"),
        C("CheckBox7", K::CheckBox, "GroupBox1", {8, 16, 97, 17}, "Отсылать СМС")
            .tip("При отказе купюроприёмника - присылать СМС мастеру")
            .disabled()
            .captionLeft(),
        C("Label54", K::Label, "GroupBox1", {8, 44, 92, 13}, "Телефон мастера").buddy("MaskEdit1"),
        C("MaskEdit1", K::PhoneEdit, "GroupBox1", {104, 40, 137, 24})
            .font(kMono, 13, false)
            .maxLength(16)
            .settingsBox(),
        C("GroupBox3", K::GroupBox, "TabSheet3", {320, 56, 225, 73}, "Баланс СИМ карты"),
        C("CheckBox13", K::CheckBox, "GroupBox3", {8, 16, 97, 17}, "Отсылать СМС")
            .tip("Посылать СМС при низком балансе")
            .disabled()
            .captionLeft(),
        C("Label33", K::Label, "GroupBox3", {8, 48, 104, 13}, "Если баланс менее").buddy("Edit59"),
        C("Edit59", K::Edit, "GroupBox3", {112, 44, 49, 21})
            .tip("Баланс СИМ карточки, ниже которого посылать СМС.")
            .settingsBox(),
        C("Label44", K::Label, "GroupBox3", {167, 52, 6, 13}),
        C("GroupBox2", K::GroupBox, "TabSheet3", {48, 152, 497, 201}, "Задержка обслуживания"),
        C("CheckBox8", K::CheckBox, "GroupBox2", {8, 16, 97, 17}, "Отсылать СМС")
            .tip("Присылать СМС Администратору, если купюроприёмник долго не работает")
            .disabled()
            .captionLeft(),
        C("Label96", K::Label, "GroupBox2", {8, 46, 134, 13}, "Телефон Администратора")
            .buddy("MaskEdit3"),
        C("MaskEdit3", K::PhoneEdit, "GroupBox2", {144, 40, 137, 24})
            .font(kMono, 13, false)
            .maxLength(16)
            .settingsBox(),
        C("Label49", K::Label, "GroupBox2", {16, 80, 80, 13}, "Время простоя"),
        C("Label50", K::Label, "GroupBox2", {160, 80, 200, 13},
          "Допустимое время для отправки СМС"),
        C("Label98", K::Label, "GroupBox2", {16, 108, 32, 13}, "Более"),
        C("Edit54", K::Edit, "GroupBox2", {56, 100, 41, 21})
            .tip("Если купюроприёмник не работает указанное кол-во минут - Администратору "
                 "отправляется СМС")
            .settingsBox(),
        C("Label99", K::Label, "GroupBox2", {100, 108, 32, 13}, "Минут"),
        C("Edit55", K::Edit, "GroupBox2", {160, 100, 25, 21})
            .tip("Не посылать СМС ранее указанного времени")
            .settingsBox(),
        C("Label4", K::Label, "GroupBox2", {192, 97, 8, 13}, ":").font(kSans, 19, true),
        C("Edit41", K::Edit, "GroupBox2", {208, 100, 25, 21})
            .tip("Не посылать СМС ранее указанного времени")
            .settingsBox(),
        C("Label101", K::Label, "GroupBox2", {244, 108, 14, 13}, "до"),
        C("Edit57", K::Edit, "GroupBox2", {264, 100, 25, 21})
            .tip("Не посылать СМС позже указанного времени")
            .settingsBox(),
        C("Label26", K::Label, "GroupBox2", {296, 97, 8, 13}, ":").font(kSans, 19, true),
        C("Edit58", K::Edit, "GroupBox2", {312, 100, 25, 21})
            .tip("Не посылать СМС позже указанного времени")
            .settingsBox(),
        C("Label103", K::Label, "GroupBox2", {346, 108, 80, 13}, "В рабочие дни"),
        C("Label34", K::Label, "GroupBox2", {16, 140, 32, 13}, "Более"),
        C("Edit28", K::Edit, "GroupBox2", {56, 132, 41, 21}).settingsBox(),
        C("Label35", K::Label, "GroupBox2", {100, 140, 32, 13}, "Минут"),
        C("Edit29", K::Edit, "GroupBox2", {160, 132, 25, 21})
            .tip("Не посылать СМС ранее указанного времени")
            .settingsBox(),
        C("Label36", K::Label, "GroupBox2", {192, 129, 8, 13}, ":").font(kSans, 19, true),
        C("Edit31", K::Edit, "GroupBox2", {208, 132, 25, 21})
            .tip("Не посылать СМС ранее указанного времени")
            .settingsBox(),
        C("Label37", K::Label, "GroupBox2", {244, 140, 14, 13}, "до"),
        C("Edit32", K::Edit, "GroupBox2", {264, 132, 25, 21})
            .tip("Не посылать СМС позже указанного времени")
            .settingsBox(),
        C("Label38", K::Label, "GroupBox2", {296, 129, 8, 13}, ":").font(kSans, 19, true),
        C("Edit33", K::Edit, "GroupBox2", {312, 132, 25, 21})
            .tip("Не посылать СМС позже указанного времени")
            .settingsBox(),
        C("Label39", K::Label, "GroupBox2", {346, 140, 86, 13}, "В выходные дни"),
        C("TabSheet4", K::TabPage, "PageControl1", {}, "Прочие настройки"),
        C("Label46", K::Label, "TabSheet4", {256, 16, 74, 13}, "QM . . . . .")
            .font(kSans, 21, true)
            .colour(Colour::Maroon),
        C("GroupBox4", K::GroupBox, "TabSheet4", {112, 64, 145, 81}, "Датчик инкассации")
            .tip("Указать состояние, в котором находится датчик при закрытом денежном ящике")
            .tabStop(),
        C("RadioButton1", K::RadioButton, "GroupBox4", {16, 24, 113, 17}, "Замкнут").disabled(),
        C("RadioButton2", K::RadioButton, "GroupBox4", {16, 48, 113, 17}, "Разомкнут").disabled(),
        C("GroupBox5", K::GroupBox, "TabSheet4", {288, 64, 177, 81}, "Датчик технического отсека")
            .tip("Указать состояние, в котром находится датчик при закрытом техническом отсеке")
            .tabStop(),
        C("RadioButton3", K::RadioButton, "GroupBox5", {24, 24, 113, 17}, "Замкнут").disabled(),
        C("RadioButton4", K::RadioButton, "GroupBox5", {24, 48, 113, 17}, "Разомкнут").disabled(),
        C("Label3", K::Label, "TabSheet4", {176, 185, 62, 13}, "Тип кресла").buddy("ComboBox1"),
        C("ComboBox1", K::DropDownList, "TabSheet4", {240, 176, 73, 21})
            .tip("Указать тип кресла. ОЧЕНЬ ВАЖНЫЙ ПАРАМЕТР!")
            .entries({"K550", "M20-M45", ""})
            .settingsBox(),
        C("Label5", K::Label, "TabSheet4", {144, 216, 86, 13}, "Монетоприёмник").buddy("Edit26"),
        C("Edit26", K::Edit, "TabSheet4", {240, 208, 57, 21})
            .tip("Указать, какой сумме соответствует 1 импульс монетоприёмника")
            .settingsBox(),
        C("Label48", K::Label, "TabSheet4", {300, 216, 6, 13}),
        C("Label27", K::Label, "TabSheet4", {192, 248, 38, 13}, "Бонусы").buddy("Edit27"),
        C("Edit27", K::Edit, "TabSheet4", {240, 240, 57, 21})
            .tip("Указать, сколько минут в месяц будет включаться СМС-кой \"BONUSNN\" ")
            .settingsBox(),
        C("Label47", K::Label, "TabSheet4", {300, 248, 80, 13}, "минут в месяц"),
        C("StatusBar1", K::StatusBar, "Form1", {0, 449, 617, 19}).panels({25, 555, 50}),
    };
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

const Control* FindControl(const std::string& name) {
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
