// The table of window scenarios: what a technician does and what the window
// then shows, step by step.
#include "Scenarios.h"

namespace qmtest {

namespace {

// Steps by their acts, so that the table reads as a script.
// clang-format off
Step click(const char* c) { return {Act::Click, c, ""}; }
Step retype(const char* c, const char* t) { return {Act::Retype, c, t}; }
Step keys(const char* t) { return {Act::TypeKeys, "", t}; }
Step paste(const char* t) { return {Act::Paste, "", t}; }
Step enter() { return {Act::Enter, "", ""}; }
Step press(Key k) { return {Act::Press, "", "", static_cast<long long>(k)}; }
Step tab(int page) { return {Act::Tab, "", "", page}; }
Step pick(const char* c, int entry) { return {Act::Pick, c, "", entry}; }
Step focus(const char* c) { return {Act::Focus, c, ""}; }
Step save(const char* file) { return {Act::Save, "BitBtn8", file}; }
Step load(const char* file) { return {Act::Load, "BitBtn11", file}; }
Step showAll() { return {Act::ShowAll, "", ""}; }
Step set(int setting, long long value) { return {Act::SetValue, "", "", value * 100 + setting}; }
Step setField(int setting, const char* bytes) { return {Act::SetField, "", bytes, setting}; }
Step setModified(int v) { return {Act::SetModified, "", "", v}; }
Step blankSerial() { return {Act::BlankSerial, "", ""}; }
Step text(const char* c, const char* t) { return {Act::Text, c, t}; }
Step selected(const char* c, const char* t) { return {Act::Selected, c, t}; }
Step checked(const char* c, bool on) { return {Act::Checked, c, "", on}; }
Step entry(const char* c, int e) { return {Act::Entry, c, "", e}; }
Step enabled(const char* c, bool on) { return {Act::Enabled, c, "", on}; }
Step shown(const char* c, bool on) { return {Act::Shown, c, "", on}; }
Step page(int p) { return {Act::Page, "", "", p}; }
Step focused(const char* c) { return {Act::Focused, c, ""}; }
Step status(const char* t) { return {Act::Status, "", t}; }
Step value(int setting, long long v) { return {Act::Value, "", "", v * 100 + setting}; }
Step field(int setting, const char* bytes) { return {Act::Field, "", bytes, setting}; }
Step label(const char* bytes) { return {Act::Label, "", bytes}; }
Step modified(int v) { return {Act::Modified, "", "", v}; }
Step lastBox(const char* t) { return {Act::LastBox, "", t}; }
Step boxCount(int n) { return {Act::BoxCount, "", "", n}; }
// The file holds the defaults' image with these lines ("KEY=value", one a line).
Step fileIs(const char* file, const char* lines) { return {Act::FileIs, file, lines}; }
// clang-format on

const char* const kStartText =
    "Для начала работы откройте файл, или нажмите кнопку \"Настройки по умолчанию\" ";
const char* const kDefaultsText = "Все настройки установлены \"по умолчанию\" ";
const char* const kCaptions[] = {"Label42", "Label43", "Label45", "Label46"};

std::vector<Step> captionsAre(const char* t) {
    std::vector<Step> steps;
    for (const char* c : kCaptions)
        steps.push_back(text(c, t));
    return steps;
}

// Enter from Edit7 round all four pages: where the focus goes, on which page.
std::vector<Step> enterCycle() {
    const char* const cycle[] = {
        "Edit12",       "Edit10",       "Edit3",        "Edit8",        "Edit5",      "ComboBox35",
        "CheckBox1",    "CheckBox2",    "CheckBox3",    "CheckBox4",    "CheckBox5",  "CheckBox6",
        "Edit24",       "Edit30",       "Edit25",       "Edit1",        "Edit2",      "Edit4",
        "Edit6",        "Edit9",        "Edit11",       "Edit13",       "Edit14",     "Edit15",
        "Edit16",       "Edit17",       "Edit18",       "Edit19",       "Edit20",     "Edit34",
        "Edit22",       "Edit23",       "CheckBox7",    "MaskEdit1",    "CheckBox13", "Edit59",
        "CheckBox8",    "MaskEdit3",    "Edit54",       "Edit55",       "Edit41",     "Edit57",
        "Edit58",       "Edit28",       "Edit29",       "Edit31",       "Edit32",     "Edit33",
        "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "ComboBox1",  "Edit26",
        "Edit27",       "Edit7"};
    std::vector<Step> steps = {click("BitBtn1"), focus("Edit7")};
    for (int i = 0; i < static_cast<int>(std::size(cycle)); ++i) {
        steps.push_back(enter());
        steps.push_back(focused(cycle[i]));
        steps.push_back(page(i < 5 ? 0 : i < 32 ? 1 : i < 48 ? 2 : i < 55 ? 3 : 0));
    }
    // Enter selects the whole text of the edit it reaches, so typing replaces
    // it; showing the record afresh left that selection alone.
    steps.push_back(selected("Edit7", "internet.mts.ru"));
    // Walking through the radio buttons selected none of them.
    for (const Step& s :
         {checked("RadioButton2", true), checked("RadioButton4", true), value(48, 0), value(52, 0)})
        steps.push_back(s);
    return steps;
}

// Each currency picked from the list, with its nine captions.
std::vector<Step> currencyCaptions() {
    const char* const captions[4][9] = {
        {"Руб.", "10 руб.", "50 руб.", "100 руб.", "500 руб.", "1000 руб.", "5000 руб.", "руб.",
         "руб. на 1 импульс"},
        {"Грив.", "1 грив.", "2 грив.", "5 грив.", "10 грив.", "20 грив.", "50 грив.", "грив.",
         "грив. на 1 импульс"},
        {"Руб.", "1000 руб.", "5000 руб.", "10000 руб.", "20000 руб.", "50000 руб.", "100000 руб.",
         "руб.", "руб. на 1 импульс"},
        {"Тенге", "", "200 тенге", "500 тенге", "1000 тенге", "2000 тенге", "5000 тенге", "тенге",
         "тенге. на 1 импульс"},
    };
    const char* const targets[9] = {"Label40",   "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                    "CheckBox5", "CheckBox6", "Label44",   "Label48"};
    std::vector<Step> steps = {click("BitBtn1"), tab(1), pick("ComboBox35", 1),
                               pick("ComboBox35", 0)};
    for (int entry = 0; entry < 4; ++entry) {
        steps.push_back(pick("ComboBox35", entry));
        steps.push_back(value(29, entry));
        for (int k = 0; k < 9; ++k)
            steps.push_back(text(targets[k], captions[entry][k]));
    }
    return steps;
}

// A stored telephone shown in the form that fits its first character, and
// what its box stores back.
std::vector<Step> storedTelephones() {
    const char* const rows[][3] = {
        {"89161234567", "8(916)123-45-67", "89161234567"},
        {"+79161234567", "+7(916)123-45-67", "+79161234567"},
        {"", "__(___)___-__-__", ""},
        {"+7", "+7(___)___-__-__", "+7"},
        {"-5", "__(___)___-__-__", ""},
        {"8 916", "8(_91)6__-__-__", "8 916"},
        {"+7(916)", "+7(_91)6__-__-__", "+7 916"},
    };
    std::vector<Step> steps = {click("BitBtn1")};
    for (const auto& row : rows)
        for (const Step& s :
             {setField(7, row[0]), showAll(), text("MaskEdit3", row[1]), field(7, row[2])})
            steps.push_back(s);
    return steps;
}

std::vector<Step> join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

const std::vector<Scenario>& Scenarios() {
    // clang-format off
    static const std::vector<Scenario> table = {
        {"StartStateWaitsForSettings",
         {status(kStartText), enabled("BitBtn3", false), enabled("BitBtn8", false),
          enabled("BitBtn1", true), enabled("Edit7", false), enabled("ComboBox1", false),
          shown("Edit21", false), text("Edit24", ""), text("Label42", "QM . . . . ."), tab(1),
          page(1), enabled("Edit24", false), status(kStartText), modified(0)}},
        {"DefaultsShowEnableAndSaySo",
         join({{click("BitBtn1"), text("Edit7", "internet.mts.ru"), text("Edit5", "*100#"),
                text("Edit8", "60"), text("Edit24", "100"), text("Edit30", "10"),
                text("Edit55", "9"), text("Edit41", "0"), text("Edit57", "18"), text("Edit58", "0"),
                text("MaskEdit1", "+7(___)___-__-__"), checked("RadioButton2", true),
                checked("RadioButton1", false), checked("RadioButton4", true),
                checked("CheckBox2", true), checked("CheckBox1", false), status(kDefaultsText),
                enabled("BitBtn3", true), enabled("BitBtn8", true), enabled("ComboBox1", true),
                enabled("Edit26", true), enabled("CheckBox1", true), enabled("RadioButton3", true),
                shown("Edit21", false), modified(1)},
               captionsAre("QM . . . . .")})},
        {"NumbersAreBroughtIntoRangeAsTyped",
         {click("BitBtn1"), setModified(0), retype("Edit8", "5"), value(32, 15), modified(1),
          text("Edit8", "5"), retype("Edit8", ""), value(32, 15), retype("Edit8", "-3"),
          value(32, 15), retype("Edit8", "65535"), value(32, 65535), retype("Edit8", "70000"), value(32, 65535),
          retype("Edit8", "-1234"), value(32, 15), tab(1), retype("Edit24", "5001"), value(8, 5000),
          retype("Edit24", "12abc"), value(8, 12), retype("Edit24", "+12"), value(8, 0),
          retype("Edit24", "--5"), value(8, 0), retype("Edit24", " 7"), value(8, 0),
          retype("Edit24", "-12345"), value(8, 0), retype("Edit30", "100"), value(9, 99), tab(2),
          retype("Edit55", "24"), value(34, 23), retype("Edit41", "60"), value(35, 59),
          retype("Edit33", "59"), value(42, 59), retype("Edit59", "10001"), value(31, 10000),
          retype("Edit54", "601"), value(33, 600), tab(3), retype("Edit26", "0"), value(49, 0),
          retype("Edit27", "0001234"), value(30, 123), retype("Edit27", "100000"), value(30, 65535),
          retype("Edit26", "1001"), value(49, 1000), text("Edit26", "1001")}},
        {"TypedMoneyShowsInRangeAfterThePageChanges",
         {click("BitBtn1"), tab(1), retype("Edit22", "60000"), value(26, 5000),
          text("Edit22", "60000"), tab(2), tab(1), text("Edit22", "5000")}},
        {"StoredOutOfRangeShowsAsStoredThenInRange",
         {click("BitBtn1"), set(32, 5), showAll(), text("Edit8", "5"), value(32, 15), tab(1),
          text("Edit8", "15")}},
        {"ShowingTheSameRecordAgainChangesNothing",
         {click("BitBtn1"), setModified(0), showAll(), modified(0),
          text("Edit7", "internet.mts.ru")}},
        {"BanknoteBoxesAreBitsZeroToFive",
         {click("BitBtn1"), set(28, 0xC0), showAll(), checked("CheckBox2", false),
          checked("CheckBox6", false), value(28, 0xC0), tab(1), click("CheckBox1"), value(28, 0xC1),
          click("CheckBox6"), value(28, 0xE1), click("CheckBox1"), value(28, 0xE0)}},
        {"ALoadedSwitchIsStoredBackAsShown",
         {click("BitBtn1"), set(45, 200), set(44, 0), showAll(), checked("CheckBox7", true),
          value(45, 1), checked("CheckBox13", false), value(44, 0)}},
        {"SwitchesSetTheirSettingsAndTheFlag",
         {click("BitBtn1"), tab(2), setModified(0), click("CheckBox7"), value(45, 1), modified(1),
          click("CheckBox13"), value(44, 1), click("CheckBox8"), value(47, 1), click("CheckBox8"),
          value(47, 0)}},
        {"RadioPairsAreOneGroupEach",
         {click("BitBtn1"), set(48, 1), set(52, 7), showAll(), checked("RadioButton1", true),
          checked("RadioButton2", false), checked("RadioButton3", true),
          checked("RadioButton4", false), value(52, 1), tab(3), setModified(0),
          click("RadioButton2"), value(48, 0), checked("RadioButton1", false),
          checked("RadioButton2", true), click("RadioButton4"), value(52, 0),
          checked("RadioButton3", false), modified(0)}},
        // (Which entry an arrow key takes in a list that shows none, each
        // toolkit decides: the picks start from an entry.)
        {"ChairTypeShowsItsEntryOrNone",
         {click("BitBtn1"), set(50, 2), showAll(), entry("ComboBox1", 2), set(50, 3), showAll(),
          entry("ComboBox1", -1), value(50, 3), set(50, 0), showAll(), tab(3), setModified(0),
          pick("ComboBox1", 2), value(50, 2), pick("ComboBox1", 1), value(50, 1), modified(0)}},
        {"CurrencyWithoutAnEntryShowsRussiaAndKeepsItsValue",
         {click("BitBtn1"), set(29, 7), showAll(), entry("ComboBox35", 0), text("Label40", "Руб."),
          text("CheckBox1", "10 руб."), text("CheckBox6", "5000 руб."), text("Label44", "руб."),
          text("Label48", "руб. на 1 импульс"), value(29, 7)}},
        {"PickingACurrencyChangesCaptionsOnly",
         {click("BitBtn1"), setModified(0), tab(1), pick("ComboBox35", 2), value(29, 2),
          modified(1), value(28, 6), checked("CheckBox2", true), text("CheckBox2", "5000 руб."),
          text("Label40", "Руб."), text("Edit24", "100"), value(8, 100), pick("ComboBox35", 3),
          text("CheckBox1", ""), text("Label40", "Тенге"), text("Label48", "тенге. на 1 импульс"),
          enabled("CheckBox1", true), click("CheckBox1"), value(28, 7), pick("ComboBox35", 1),
          text("CheckBox6", "50 грив."), text("Label44", "грив.")}},
        {"PageChangeShowsTheRecordOnlyWhenModified",
         {click("BitBtn1"), setModified(0), set(31, 77), tab(2), text("Edit59", "20"),
          status(kDefaultsText), modified(0), setModified(1), tab(3), tab(2), text("Edit59", "77"),
          status(" "), modified(1)}},
        {"EnterWalksAllFourPagesInACycle",
         enterCycle()},
        {"EnterInTheLastFieldShowsTheRecord",
         {click("BitBtn1"), set(32, 5), focus("Edit5"), enter(), page(1), focused("ComboBox35"),
          text("Edit8", "5"), value(32, 15), status(" ")}},
        {"EnterInEdit33GoesToTheSensorsAtRadioButton1",
         {click("BitBtn1"), tab(2), focus("Edit33"), enter(), page(3), focused("RadioButton1"),
          checked("RadioButton1", false), enter(), enter(), enter(), focused("RadioButton4"),
          enter(), focused("ComboBox1")}},
        {"PageKeysTurnThePagesFromAnywhereRoundTheFour",
         {click("BitBtn1"), focus("Edit8"), press(Key::CtrlTab), page(1), focused("ComboBox35"),
          press(Key::CtrlPageDown), page(2), focused("CheckBox7"), press(Key::CtrlTab), page(3),
          focused("GroupBox4"), press(Key::CtrlPageDown), page(0), focused("Edit7"),
          press(Key::CtrlShiftTab), page(3), focused("GroupBox4"), press(Key::CtrlPageUp), page(2),
          focused("CheckBox7"), focus("BitBtn2"), press(Key::CtrlTab), page(3),
          focused("BitBtn2")}},
        {"APageKeyRunsThePageChangeRule",
         {click("BitBtn1"), setModified(0), set(31, 77), press(Key::CtrlTab), page(1),
          text("Edit59", "20"), status(kDefaultsText), setModified(1), press(Key::CtrlPageUp),
          page(0), text("Edit59", "77"), status(" ")}},
        {"APageKeyLeavesTheFocusOnTheTabStripWhenThePageHasNoStopYet",
         {tab(3), focus("GroupBox4"), press(Key::CtrlTab), page(0), focused("PageControl1"),
          enabled("Edit7", false)}},
        {"TheTabStripIsATabStopWhereTheArrowsTurnThePages",
         {click("BitBtn1"), focus("BitBtn12"), press(Key::Tab), focused("PageControl1"),
          press(Key::Right), page(1), focused("PageControl1"), press(Key::Right), page(2),
          press(Key::Left), page(1), press(Key::Tab), focused("ComboBox35"),
          press(Key::ShiftTab), focused("PageControl1"), press(Key::ShiftTab),
          focused("BitBtn12")}},
        {"MoneyAboveTheLimitShowsTheLimitAfterEnterLeavesThePage",
         {click("BitBtn1"), tab(1), retype("Edit22", "99999"), enter(), focused("Edit23"),
          text("Edit22", "99999"), enter(), page(2), tab(1), text("Edit22", "5000"),
          value(26, 5000)}},
        {"TelephoneFormsFollowTheFirstCharacter",
         {click("BitBtn1"), tab(2), retype("MaskEdit1", "8"), text("MaskEdit1", "8(___)___-__-__"),
          field(6, "8"), keys("9161234567"), text("MaskEdit1", "8(916)123-45-67"),
          field(6, "89161234567"), keys("9"), field(6, "89161234567"),
          retype("MaskEdit1", "+79161234567"), text("MaskEdit1", "+7(916)123-45-67"),
          field(6, "+79161234567"), retype("MaskEdit1", ""), text("MaskEdit1", "__(___)___-__-__"),
          field(6, ""), retype("MaskEdit3", "+7916"), retype("MaskEdit3", "-"),
          text("MaskEdit3", "__(___)___-__-__"), field(7, ""), modified(1)}},
        {"EachCurrencyHasItsNineCaptions", currencyCaptions()},
        {"StoredTelephonesShowInTheFormOfTheirFirstCharacter", storedTelephones()},
        {"ALabelLoadedAfterABlankOneShowsWhileTheEntryStays",
         join({{click("BitBtn1"), blankSerial(), showAll(), shown("Edit21", true)},
               captionsAre("QM . . . . ."),
               {setField(0, "QM 0042"), showAll(), shown("Edit21", true)},
               captionsAre("QM 0042")})},
        {"EverySmsTimeBoxShowsItsOwnSetting",
         {click("BitBtn1"), set(33, 1), set(34, 2), set(35, 3), set(36, 4), set(37, 5),
          set(38, 6), set(39, 7), set(40, 8), set(41, 9), set(42, 10), showAll(),
          text("Edit54", "1"), text("Edit55", "2"), text("Edit41", "3"), text("Edit57", "4"),
          text("Edit58", "5"), text("Edit28", "6"), text("Edit29", "7"), text("Edit31", "8"),
          text("Edit32", "9"), text("Edit33", "10")}},
        {"StoredTextsShowOnOneLine",
         {click("BitBtn1"), setField(1, "x\x01y\tz"), setField(2, "\r\n"), showAll(),
          text("Edit7", "xy z"), text("Edit12", ""), field(1, "xy z"), field(2, "")}},
        {"StoredTelephonesShowInTheirForms",
         {click("BitBtn1"), showAll(), text("MaskEdit1", "+7(___)___-__-__"), field(6, "+7")}},
        {"TextsAreStoredInCodePage1251",
         {click("BitBtn1"), setModified(0), retype("Edit7", "Привет.ru"), modified(1),
          field(1, "\xCF\xF0\xE8\xE2\xE5\xF2.ru"), retype("Edit10", "пароль №1"),
          field(3, "\xEF\xE0\xF0\xEE\xEB\xFC \xB9" "1"),
          retype("Edit3", ""), field(4, ""), retype("Edit5", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
          text("Edit5", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
          field(5, "\xC6\xC6\xC6\xC6\xC6\xC6\xC6\xC6\xC6\xC6" "\xC6\xC6\xC6\xC6\xC6"),
          retype("Edit12", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
          text("Edit12", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"), retype("Edit7", "ab"), keys("中ẞc€"),
          text("Edit7", "abc€"), field(1, "abc\x88")}},
        {"SerialEntryDrivesTheLabelAndTheFourCaptions",
         join({{click("BitBtn1"), blankSerial(), showAll(), shown("Edit21", true),
                enabled("Edit21", true), setModified(0), retype("Edit21", "QM12"), label("QM12"),
                modified(0)},
               captionsAre("QM12"),
               {keys("№3456789中0"), text("Edit21", "QM12№3456789"),
                label("QM12\xB9" "3456789"), retype("Edit21", ""), label("")},
               captionsAre("")})},
        {"DefaultsSavedToAFileAreTheImageAndLoadBack",
         {click("BitBtn1"), retype("Edit24", "250"), retype("Edit8", "5"), save("saved.ini"),
          status("Настройки записаны в %P"), boxCount(0),
          fileIs("saved.ini", "SET08=250\nSET32=15"), focused("BitBtn8"), click("BitBtn1"),
          text("Edit24", "100"), load("saved.ini"), status("Настройки прочитаны из %P"),
          text("Edit24", "250"), text("Edit8", "15"), focused("BitBtn11"), boxCount(0)}},
        {"AFailedLoadSaysWhyAndStillEnablesTheWriteCommands",
         {load("absent.ini"), status("Ошибка при чтении %P"), lastBox("2. Не удаётся открыть %P"),
          enabled("BitBtn3", true), enabled("BitBtn8", true), enabled("Edit7", false), modified(0),
          focused("BitBtn11")}},
        {"CancelledDialogsChangeNothing",
         {click("BitBtn1"), save(""), load(""), status(kDefaultsText), boxCount(0),
          enabled("BitBtn1", true), enabled("BitBtn2", true)}},
        {"TypedSerialLabelSurvivesAFailedStore",
         {click("BitBtn1"), blankSerial(), showAll(), retype("Edit21", "QM 1.2.3.4.5"),
          save("gone/set.ini"), status("Ошибка при записи %P"), lastBox("5. Не удаётся открыть %P"),
          shown("Edit21", true), enabled("Edit21", true), text("Edit21", "QM 1.2.3.4.5"),
          text("Label42", "QM 1.2.3.4.5"), save("set.ini"), status("Настройки записаны в %P"),
          shown("Edit21", false), enabled("Edit21", false), text("Edit21", ""), label(""),
          fileIs("set.ini", "SET99=QM 1.2.3.4.5")}},
        {"ShiftCtrlAndTheKeypadEnterActAsEnter",
         {click("BitBtn1"), focus("Edit7"), press(Key::ShiftEnter), focused("Edit12"),
          press(Key::CtrlEnter), focused("Edit10"), press(Key::KeypadEnter), focused("Edit3")}},
        {"OtherKeysKeepTheirOrdinaryMeaning",
         {click("BitBtn1"), focus("Edit5"), press(Key::Tab), focused("BitBtn2"), page(0),
          focus("Edit8"), press(Key::Escape), press(Key::Down), focused("Edit8"), page(0),
          text("Edit8", "60"), value(32, 60)}},
        {"PriceCellsKeepTheirSelectionWhenLeft",
         {click("BitBtn1"), tab(1), focus("Edit24"), press(Key::SelectAll), enter(),
          focused("Edit30"), selected("Edit24", "100"), selected("Edit30", "10")}},
        {"ASensorPairIsEnteredAtItsSelectedButtonAndTheArrowsMoveTheSelection",
         {click("BitBtn1"), tab(3), focus("GroupBox4"), press(Key::Tab), focused("RadioButton2"),
          press(Key::Space), checked("RadioButton2", true), value(48, 0), press(Key::Up),
          focused("RadioButton1"), checked("RadioButton1", true), checked("RadioButton2", false),
          value(48, 1), press(Key::Right), focused("RadioButton2"), value(48, 0),
          press(Key::Tab), focused("GroupBox5"), press(Key::Tab), focused("RadioButton4"),
          press(Key::Down), focused("RadioButton3"), value(52, 1), press(Key::ShiftTab),
          focused("GroupBox5"), press(Key::ShiftTab), focused("RadioButton2"),
          checked("RadioButton1", false), value(48, 0)}},
        {"ASensorPairSetToOneIsEnteredAtItsFirstButton",
         {click("BitBtn1"), set(48, 1), set(52, 1), showAll(), tab(3), focus("GroupBox4"),
          press(Key::Tab), focused("RadioButton1"), press(Key::Tab), focused("GroupBox5"),
          press(Key::Tab), focused("RadioButton3"), press(Key::Tab), focused("ComboBox1")}},
        {"AClickOnTheSelectedSensorButtonKeepsItSelected",
         {click("BitBtn1"), tab(3), setModified(0), click("RadioButton2"),
          checked("RadioButton2", true), checked("RadioButton1", false), value(48, 0),
          click("RadioButton1"), checked("RadioButton1", true), checked("RadioButton2", false),
          value(48, 1), modified(0)}},
        {"FocusGoesBackToTheCommandSoSpaceRunsItAgain",
         {click("BitBtn1"), save("good.ini"), focused("BitBtn8"), press(Key::Space),
          status("Настройки записаны в %P"), focused("BitBtn8"), load("good.ini"),
          focused("BitBtn11"), press(Key::Space), status("Настройки прочитаны из %P"),
          focused("BitBtn11"), load("absent.ini"), boxCount(1), focused("BitBtn11"),
          press(Key::Space), boxCount(2), focused("BitBtn11"), save("gone/out.ini"),
          boxCount(3), focused("BitBtn8"), press(Key::Space), boxCount(4), focused("BitBtn8")}},
        {"ATelephoneIsTypedAndPastedAsWritten",
         {click("BitBtn1"), tab(2), retype("MaskEdit1", ""), keys("+7"), press(Key::Right),
          keys("x1"), text("MaskEdit1", "+7(_1_)___-__-__"), field(6, "+7 1"),
          keys("\u0663\u0664"), text("MaskEdit1", "+7(_1_)___-__-__"), retype("MaskEdit1", ""),
          paste("+7 (916) 123-45-67"), text("MaskEdit1", "+7(916)123-45-67"),
          field(6, "+79161234567"), retype("MaskEdit1", ""), paste("8 916 123 45 67"),
          text("MaskEdit1", "8(916)123-45-67"), field(6, "89161234567"), retype("MaskEdit1", ""),
          text("MaskEdit1", "__(___)___-__-__"), paste("8 916 123 45 67"), press(Key::SelectAll),
          paste("+79161234567"), field(6, "+79161234567"), retype("MaskEdit1", ""),
          paste("-1"), field(6, ""), text("MaskEdit1", "__(___)___-__-__"), paste("no digits"),
          field(6, ""), retype("MaskEdit1", "8916"), press(Key::Home), keys("-"), field(6, ""),
          text("MaskEdit1", "__(___)___-__-__"), keys("8"), text("MaskEdit1", "8(___)___-__-__")}},
        {"AClickPastTheTypedCharactersPutsTheCaretRightAfterThem",
         {click("BitBtn1"), tab(2), retype("MaskEdit1", ""), click("MaskEdit1"),
          keys("89161234567"), field(6, "89161234567"), retype("MaskEdit1", "+7916"),
          click("MaskEdit1"), keys("1234567"), field(6, "+79161234567")}},
        {"AStoreOfEmptiedTextsFailsBeforeTheTarget",
         {click("BitBtn1"), retype("Edit7", ""), retype("Edit12", ""), retype("Edit10", ""),
          retype("Edit3", ""), retype("Edit5", ""), tab(2), retype("MaskEdit1", ""),
          retype("MaskEdit3", ""), save("out.ini"), status("Ошибка при записи %P"),
          lastBox("2. Не удаётся открыть %T"), enabled("BitBtn8", true)}},
    };
    // clang-format on
    return table;
}

} // namespace qmtest
