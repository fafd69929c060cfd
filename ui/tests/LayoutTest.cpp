// The window as laid out: every control under its name, with its place,
// caption, tool-tip and tab order, the frame, the fonts, the start-up state.
#include "UiTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <set>

namespace qmtest {
namespace {

struct Placed {
    const char* name;
    const char* parent;
    int x, y, w, h; // w = 0: a label, whose size follows its text
    const char* text;
    const char* tip;
};

const char* const kEarly = "Не посылать СМС ранее указанного времени";
const char* const kLate = "Не посылать СМС позже указанного времени";

const Placed kPlaced[] = {
    {"BitBtn2", "Form1", 0, 0, 106, 25, "ИЗ УСТРОЙСТВА",
     "Прочитать настройки из внутренней памяти контроллера"},
    {"BitBtn3", "Form1", 112, 0, 106, 25, "В УСТРОЙСТВО",
     "Записать настройки во внутреннюю память контроллера"},
    {"BitBtn11", "Form1", 224, 0, 106, 25, "ИЗ ФАЙЛА", "Прочитать настройки из файла "},
    {"BitBtn8", "Form1", 336, 0, 106, 25, "В ФАЙЛ", "Записать настройки в файл"},
    {"BitBtn1", "Form1", 448, 0, 106, 25, "ПО УМОЛЧАНИЮ", "Установить все настройки по умолчанию"},
    {"BitBtn12", "Form1", 561, 0, 56, 25, "ВЫХОД", "Закрыть программу"},
    {"PageControl1", "Form1", 0, 33, 617, 416, nullptr, ""},
    {"StatusBar1", "Form1", 0, 449, 617, 19, nullptr, ""},
    // Network access
    {"Label42", "TabSheet1", 256, 16, 0, 0, "QM . . . . .", ""},
    {"Edit21", "TabSheet1", 256, 40, 89, 21, "", ""},
    {"Label11", "TabSheet1", 184, 72, 0, 0, "APN", ""},
    {"Edit7", "TabSheet1", 216, 64, 193, 21, "",
     "Нужное значение APN  зависит от провайдера сотовой сети"},
    {"Label22", "TabSheet1", 176, 96, 0, 0, "Логин", ""},
    {"Edit12", "TabSheet1", 216, 88, 193, 21, "",
     "Нужное значение Логин  зависит от провайдера сотовой сети"},
    {"Label18", "TabSheet1", 168, 120, 0, 0, "Пароль", ""},
    {"Edit10", "TabSheet1", 216, 112, 193, 21, "",
     "Нужное значение Пароля  зависит от провайдера сотовой сети"},
    {"Label10", "TabSheet1", 168, 144, 0, 0, "Сервер", ""},
    {"Edit3", "TabSheet1", 216, 136, 193, 21, "", "Адрес сервера мониторинга"},
    {"Label14", "TabSheet1", 96, 168, 0, 0, "Периодичность связи", ""},
    {"Edit8", "TabSheet1", 216, 160, 193, 21, "",
     "Периодичность, с которой контроллер передаёт на сервер своё состояние"},
    {"Label7", "TabSheet1", 104, 192, 0, 0, "Код запроса баланса", ""},
    {"Edit5", "TabSheet1", 216, 184, 193, 21, "",
     "Код запроса баланса по USSD. Если запрос не нужен - удалить все символы"},
    // Prices and banknotes
    {"Label43", "TabSheet2", 256, 16, 0, 0, "QM . . . . .", ""},
    {"Label32", "TabSheet2", 144, 40, 0, 0, "Валюта", ""},
    {"ComboBox35", "TabSheet2", 144, 56, 185, 21, nullptr, "Указать национальную валюту"},
    {"Label1", "TabSheet2", 144, 96, 0, 0, "Прайс деньги/время", ""},
    {"Label40", "TabSheet2", 143, 112, 0, 0, "", ""},
    {"Label41", "TabSheet2", 191, 112, 0, 0, "Мин.", ""},
    {"Edit24", "TabSheet2", 144, 128, 41, 21, "", ""},
    {"Edit30", "TabSheet2", 192, 128, 41, 21, "", ""},
    {"Edit25", "TabSheet2", 144, 152, 41, 21, "", ""},
    {"Edit1", "TabSheet2", 192, 152, 41, 21, "", ""},
    {"Edit2", "TabSheet2", 144, 176, 41, 21, "", ""},
    {"Edit4", "TabSheet2", 192, 176, 41, 21, "", ""},
    {"Edit6", "TabSheet2", 144, 200, 41, 21, "", ""},
    {"Edit9", "TabSheet2", 192, 200, 41, 21, "", ""},
    {"Edit11", "TabSheet2", 144, 224, 41, 21, "", ""},
    {"Edit13", "TabSheet2", 192, 224, 41, 21, "", ""},
    {"Edit14", "TabSheet2", 144, 248, 41, 21, "", ""},
    {"Edit15", "TabSheet2", 192, 248, 41, 21, "", ""},
    {"Edit16", "TabSheet2", 144, 272, 41, 21, "", ""},
    {"Edit17", "TabSheet2", 192, 272, 41, 21, "", ""},
    {"Edit18", "TabSheet2", 144, 296, 41, 21, "", ""},
    {"Edit19", "TabSheet2", 192, 296, 41, 21, "", ""},
    {"Edit20", "TabSheet2", 144, 320, 41, 21, "", ""},
    {"Edit34", "TabSheet2", 192, 320, 41, 21, "", ""},
    {"Edit22", "TabSheet2", 144, 344, 41, 21, "", ""},
    {"Edit23", "TabSheet2", 192, 344, 41, 21, "", ""},
    {"Label2", "TabSheet2", 312, 96, 0, 0,
     "Принимаемые купюры:", "Отметить купюры, которые должен принимать купюроприёмник"},
    {"CheckBox1", "TabSheet2", 312, 112, 97, 17, "", ""},
    {"CheckBox2", "TabSheet2", 312, 128, 97, 17, "", ""},
    {"CheckBox3", "TabSheet2", 312, 144, 97, 17, "", ""},
    {"CheckBox4", "TabSheet2", 312, 160, 97, 17, "", ""},
    {"CheckBox5", "TabSheet2", 312, 176, 97, 17, "", ""},
    {"CheckBox6", "TabSheet2", 312, 192, 89, 17, "", ""},
    // SMS alerts
    {"Label45", "TabSheet3", 256, 16, 0, 0, "QM . . . . .", ""},
    {"GroupBox1", "TabSheet3", 48, 56, 249, 73, "Отказ купюроприёмника", ""},
    {"CheckBox7", "GroupBox1", 8, 16, 97, 17, "Отсылать СМС",
     "При отказе купюроприёмника - присылать СМС мастеру"},
    {"Label54", "GroupBox1", 8, 44, 0, 0, "Телефон мастера", ""},
    {"MaskEdit1", "GroupBox1", 104, 40, 137, 24, nullptr, ""},
    {"GroupBox3", "TabSheet3", 320, 56, 225, 73, "Баланс СИМ карты", ""},
    {"CheckBox13", "GroupBox3", 8, 16, 97, 17, "Отсылать СМС", "Посылать СМС при низком балансе"},
    {"Label33", "GroupBox3", 8, 48, 0, 0, "Если баланс менее", ""},
    {"Edit59", "GroupBox3", 112, 44, 49, 21, "",
     "Баланс СИМ карточки, ниже которого посылать СМС."},
    {"Label44", "GroupBox3", 167, 52, 0, 0, "", ""},
    {"GroupBox2", "TabSheet3", 48, 152, 497, 201, "Задержка обслуживания", ""},
    {"CheckBox8", "GroupBox2", 8, 16, 97, 17, "Отсылать СМС",
     "Присылать СМС Администратору, если купюроприёмник долго не работает"},
    {"Label96", "GroupBox2", 8, 46, 0, 0, "Телефон Администратора", ""},
    {"MaskEdit3", "GroupBox2", 144, 40, 137, 24, nullptr, ""},
    {"Label49", "GroupBox2", 16, 80, 0, 0, "Время простоя", ""},
    {"Label50", "GroupBox2", 160, 80, 0, 0, "Допустимое время для отправки СМС", ""},
    {"Label98", "GroupBox2", 16, 108, 0, 0, "Более", ""},
    {"Edit54", "GroupBox2", 56, 100, 41, 21, "",
     "Если купюроприёмник не работает указанное кол-во минут - Администратору отправляется СМС"},
    {"Label99", "GroupBox2", 100, 108, 0, 0, "Минут", ""},
    {"Edit55", "GroupBox2", 160, 100, 25, 21, "", kEarly},
    {"Label4", "GroupBox2", 192, 97, 0, 0, ":", ""},
    {"Edit41", "GroupBox2", 208, 100, 25, 21, "", kEarly},
    {"Label101", "GroupBox2", 244, 108, 0, 0, "до", ""},
    {"Edit57", "GroupBox2", 264, 100, 25, 21, "", kLate},
    {"Label26", "GroupBox2", 296, 97, 0, 0, ":", ""},
    {"Edit58", "GroupBox2", 312, 100, 25, 21, "", kLate},
    {"Label103", "GroupBox2", 346, 108, 0, 0, "В рабочие дни", ""},
    {"Label34", "GroupBox2", 16, 140, 0, 0, "Более", ""},
    {"Edit28", "GroupBox2", 56, 132, 41, 21, "", ""},
    {"Label35", "GroupBox2", 100, 140, 0, 0, "Минут", ""},
    {"Edit29", "GroupBox2", 160, 132, 25, 21, "", kEarly},
    {"Label36", "GroupBox2", 192, 129, 0, 0, ":", ""},
    {"Edit31", "GroupBox2", 208, 132, 25, 21, "", kEarly},
    {"Label37", "GroupBox2", 244, 140, 0, 0, "до", ""},
    {"Edit32", "GroupBox2", 264, 132, 25, 21, "", kLate},
    {"Label38", "GroupBox2", 296, 129, 0, 0, ":", ""},
    {"Edit33", "GroupBox2", 312, 132, 25, 21, "", kLate},
    {"Label39", "GroupBox2", 346, 140, 0, 0, "В выходные дни", ""},
    // Other settings
    {"Label46", "TabSheet4", 256, 16, 0, 0, "QM . . . . .", ""},
    {"GroupBox4", "TabSheet4", 112, 64, 145, 81, "Датчик инкассации",
     "Указать состояние, в котором находится датчик при закрытом денежном ящике"},
    {"RadioButton1", "GroupBox4", 16, 24, 113, 17, "Замкнут", ""},
    {"RadioButton2", "GroupBox4", 16, 48, 113, 17, "Разомкнут", ""},
    {"GroupBox5", "TabSheet4", 288, 64, 177, 81, "Датчик технического отсека",
     "Указать состояние, в котром находится датчик при закрытом техническом отсеке"},
    {"RadioButton3", "GroupBox5", 24, 24, 113, 17, "Замкнут", ""},
    {"RadioButton4", "GroupBox5", 24, 48, 113, 17, "Разомкнут", ""},
    {"Label3", "TabSheet4", 176, 185, 0, 0, "Тип кресла", ""},
    {"ComboBox1", "TabSheet4", 240, 176, 73, 21, nullptr,
     "Указать тип кресла. ОЧЕНЬ ВАЖНЫЙ ПАРАМЕТР!"},
    {"Label5", "TabSheet4", 144, 216, 0, 0, "Монетоприёмник", ""},
    {"Edit26", "TabSheet4", 240, 208, 57, 21, "",
     "Указать, какой сумме соответствует 1 импульс монетоприёмника"},
    {"Label48", "TabSheet4", 300, 216, 0, 0, "", ""},
    {"Label27", "TabSheet4", 192, 248, 0, 0, "Бонусы", ""},
    {"Edit27", "TabSheet4", 240, 240, 57, 21, "",
     "Указать, сколько минут в месяц будет включаться СМС-кой \"BONUSNN\" "},
    {"Label47", "TabSheet4", 300, 248, 0, 0, "минут в месяц", ""},
};

QString shownText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return QString();
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlStandsWhereLaidOutWithItsCaptionAndToolTip) {
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(p.name);
        QWidget* w = find(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), p.parent);
        EXPECT_EQ(w->pos(), QPoint(p.x, p.y));
        if (p.w) {
            EXPECT_EQ(w->size(), QSize(p.w, p.h));
        }
        if (p.text) {
            EXPECT_EQ(shownText(w), QString::fromUtf8(p.text));
        }
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(p.tip));
    }
}

TEST_F(LayoutTest, WindowHasItsCaptionFixedSizeAndFrame) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "Программа конфигурирования платы мониторинга серии QM");
    EXPECT_EQ(form->size(), QSize(617, 468));
    EXPECT_EQ(form->minimumSize(), QSize(617, 468));
    EXPECT_EQ(form->maximumSize(), QSize(617, 468));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(LayoutTest, PagesListsAndStatusPanelsAreLaidOut) {
    auto* pages = find<QTabWidget>("PageControl1");
    const char* const names[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    const char* const captions[] = {"Настройки модуля связи", "Настройки ценника",
                                    "Настройки SMS оповещений", "Прочие настройки"};
    ASSERT_EQ(pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName().toStdString(), names[i]);
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(captions[i]));
    }
    const auto entries = [](QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    EXPECT_EQ(entries(find<QComboBox>("ComboBox35")),
              QStringList(
                  {"Россия, рубли", "Украина, гривны", "Белоруссия, рубели", "Казахстан, тенге"}));
    EXPECT_EQ(entries(find<QComboBox>("ComboBox1")), QStringList({"K550", "M20-M45", ""}));
    EXPECT_FALSE(find<QComboBox>("ComboBox35")->isEditable());
    EXPECT_FALSE(find<QComboBox>("ComboBox1")->isEditable());

    const QRect panels[] = {{0, 0, 25, 19}, {25, 0, 555, 19}, {580, 0, 50, 19}};
    for (int i = 0; i < 3; ++i) {
        auto* panel = find<QLabel>(("StatusPanel" + std::to_string(i)).c_str());
        EXPECT_EQ(panel->parentWidget()->objectName(), "StatusBar1");
        EXPECT_EQ(panel->geometry(), panels[i]);
    }
}

TEST_F(LayoutTest, StartsWithSettingsControlsDisabledAndTheStartText) {
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (const char* name : {"BitBtn2", "BitBtn11", "BitBtn1", "BitBtn12"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
    for (const char* name : {"BitBtn3", "BitBtn8"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;

    int settingsControls = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            if (w->parentWidget() && qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
            ++settingsControls;
        }
    }
    EXPECT_EQ(settingsControls, 57); // 56 bound controls and Edit21

    EXPECT_TRUE(find("Edit21")->isHidden());
    EXPECT_EQ(find("Edit21")->focusPolicy(), Qt::ClickFocus);
    for (const char* name : {"Label42", "Label43", "Label45", "Label46"})
        EXPECT_EQ(find<QLabel>(name)->text(), "QM . . . . .") << name;
    for (const char* name : {"Label40", "Label44", "Label48"})
        EXPECT_TRUE(find<QLabel>(name)->text().isEmpty()) << name;
    for (const char* name :
         {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        EXPECT_TRUE(find<QCheckBox>(name)->text().isEmpty()) << name;
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"})
        EXPECT_FALSE(find<QRadioButton>(name)->isChecked()) << name;
    EXPECT_EQ(find<QComboBox>("ComboBox35")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), -1);

    EXPECT_EQ(find<QLabel>("StatusPanel0")->text(), "");
    EXPECT_EQ(form->statusText(),
              "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" ");
    EXPECT_EQ(find<QLabel>("StatusPanel2")->text(), "");
}

TEST_F(LayoutTest, SettingsBoxesStartInTheLightColourAndTurnToTheWindowColour) {
    const QColor light(227, 227, 227); // the Windows 3D-light colour
    const QColor window = form->palette().color(QPalette::Base);
    ASSERT_NE(light, window);
    for (const char* name :
         {"Edit7", "ComboBox35", "Edit24", "MaskEdit1", "Edit59", "ComboBox1", "Edit26"})
        EXPECT_EQ(find(name)->palette().color(QPalette::Base), light) << name;
    EXPECT_EQ(find("CheckBox1")->palette().color(find("CheckBox1")->backgroundRole()), light);

    loadDefaults();
    for (const char* name :
         {"Edit7", "ComboBox35", "Edit24", "MaskEdit1", "Edit59", "ComboBox1", "Edit26"})
        EXPECT_EQ(find(name)->palette().color(QPalette::Base), window) << name;
    EXPECT_EQ(find("CheckBox1")->palette().color(find("CheckBox1")->backgroundRole()), light);
    EXPECT_EQ(find("Edit21")->palette().color(QPalette::Base), window);
}

// What the lists show, not only what their palettes hold: the style paints a
// list's field in the button colour unless the list sees to it.
TEST_F(LayoutTest, ListsPaintTheirFieldInTheBackgroundColourAndTheArrowAsAButton) {
    const QRgb light = QColor(227, 227, 227).rgb();
    const QRgb window = form->palette().color(QPalette::Base).rgb();
    const QRgb button = form->palette().color(QPalette::Button).rgb();
    ASSERT_NE(light, button);
    ASSERT_NE(window, button);
    const auto expectPainted = [&](QRgb field) {
        for (const char* name : {"ComboBox35", "ComboBox1"}) {
            auto* list = find<QComboBox>(name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, list);
            const QImage image = list->grab().toImage();
            // Right of any caption, left of the arrow; and inside the arrow
            // button clear of its edges and glyph.
            EXPECT_EQ(image.pixel(arrow.left() - 3, list->height() / 2), field) << name;
            EXPECT_EQ(image.pixel(arrow.left() + 3, arrow.top() + 3), button) << name;
        }
    };
    expectPainted(light);
    loadDefaults();
    expectPainted(window);
}

TEST_F(LayoutTest, FontsHaveTheirPixelHeightsAndCyrillic) {
    const std::set<QString> sans = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
    const std::set<QString> mono = {"Courier New", "Liberation Mono", "DejaVu Sans Mono"};
    struct Expect {
        const char* name;
        int pixels;
        bool bold;
        bool monospaced;
    };
    const Expect expected[] = {{"Edit7", 11, false, false},    {"BitBtn2", 11, false, false},
                               {"Label14", 11, false, false},  {"CheckBox7", 11, false, false},
                               {"Label42", 21, true, false},   {"Label46", 21, true, false},
                               {"Label4", 19, true, false},    {"Label38", 19, true, false},
                               {"MaskEdit1", 13, false, true}, {"MaskEdit3", 13, false, true}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        const QFont font = find(e.name)->font();
        const QFontInfo info(font);
        EXPECT_EQ(info.pixelSize(), e.pixels);
        EXPECT_EQ(info.bold(), e.bold);
        EXPECT_EQ((e.monospaced ? mono : sans).count(info.family()), 1u)
            << info.family().toStdString();
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'Ж'));
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'ё'));
    }
    EXPECT_EQ(find<QLabel>("Label42")->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
}

// No caption is cut: buttons, boxes and group titles hold their texts in
// every currency, labels keep clear of the controls beside them.
TEST_F(LayoutTest, NoTextIsClipped) {
    loadDefaults();
    for (int page = 3; page >= 0; --page)
        clickTab(page); // each page as the user sees it
    auto* currency = find<QComboBox>("ComboBox35");
    for (int entry = 0; entry < 4; ++entry) {
        currency->setCurrentIndex(entry);
        form->Show_currency();
        for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || !qobject_cast<QWidget*>(b->parent()))
                continue;
            const int text = b->fontMetrics().horizontalAdvance(b->text());
            int needed = text + 6;
            if (qobject_cast<QCheckBox*>(b))
                needed = text + b->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                         b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            if (qobject_cast<QRadioButton*>(b))
                needed = text + b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                         b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            EXPECT_LE(needed, b->width()) << b->objectName().toStdString();
        }
    }
    for (QGroupBox* g : form->findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width())
            << g->objectName().toStdString();

    const QWidget* statusBar = find("StatusBar1");
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (statusBar->isAncestorOf(label))
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
        for (QWidget* sibling :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel*>(sibling) || sibling->isHidden())
                continue;
            EXPECT_FALSE(label->geometry().intersects(sibling->geometry()))
                << "overlaps " << sibling->objectName().toStdString();
        }
    }

    const QString longestPhone = "+7(916)123-45-67";
    for (const char* name : {"MaskEdit1", "MaskEdit3"}) {
        QWidget* edit = find(name);
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(longestPhone) + 8, edit->width()) << name;
    }
    QTabBar* bar = find<QTabWidget>("PageControl1")->tabBar();
    EXPECT_LE(bar->tabRect(3).right(), 617);
    EXPECT_LE(form->fontMetrics().horizontalAdvance(form->statusText()) + 4, 555);
}

TEST_F(LayoutTest, TabWalksEachPageInTheLaidOutOrder) {
    loadDefaults();
    const std::vector<std::vector<std::string>> expected = {
        {"Edit7", "Edit12", "Edit10", "Edit3", "Edit8", "Edit5"},
        {"ComboBox35", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
         "Edit24",     "Edit30",    "Edit25",    "Edit1",     "Edit2",     "Edit4",     "Edit6",
         "Edit9",      "Edit11",    "Edit13",    "Edit14",    "Edit15",    "Edit16",    "Edit17",
         "Edit18",     "Edit19",    "Edit20",    "Edit34",    "Edit22",    "Edit23"},
        {"CheckBox7", "MaskEdit1", "CheckBox13", "Edit59", "CheckBox8", "MaskEdit3", "Edit54",
         "Edit55", "Edit41", "Edit57", "Edit58", "Edit28", "Edit29", "Edit31", "Edit32", "Edit33"},
        // A group of radio buttons is one stop, at its selected button (the
        // defaults select "Разомкнут"); the arrow keys move within it.
        {"GroupBox4", "RadioButton2", "GroupBox5", "RadioButton4", "ComboBox1", "Edit26", "Edit27"},
    };
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        clickTab(page);
        focus(find("BitBtn2"));
        std::vector<std::string> walked;
        for (int i = 0; i < 40 && (walked.empty() || walked.back() != "BitBtn2"); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.push_back(focused());
        }
        std::vector<std::string> want = {"BitBtn3", "BitBtn11", "BitBtn8",
                                         "BitBtn1", "BitBtn12", "qt_tabwidget_tabbar"};
        want.insert(want.end(), expected[page].begin(), expected[page].end());
        want.push_back("BitBtn2");
        EXPECT_EQ(walked, want);
    }
}

} // namespace
} // namespace qmtest
