// set applies each value through the window's rules and stores the image,
// byte for byte; a value the window could not take stores nothing.
#include "CliTest.h"

namespace qmtest {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

struct Case {
    const char* name;
    std::vector<std::string> assignments;
    Lines stored;    // the lines of the stored file that differ from the source's
    const char* err; // a part of the error output ("" for none)
    bool refused = false;
    bool blankSource = false; // a board never labelled, which takes SET99
};

void PrintTo(const Case& c, std::ostream* os) { // a failed case by its name
    *os << c.name;
}

// The source holds bits 6 and 7 of the banknote set, which no box shows.
const Lines kSource = {{"SET28", "198"}};

const std::string kNumber = "ожидается целое число";
const std::string kPhone = "номер телефона пишется как +79161234567";

const Case kCases[] = {
    {"ThreePrices",
     {"SET08=250", "set10=300", "SET12=500"},
     {{"SET08", "250"}, {"SET10", "300"}, {"SET12", "500"}},
     ""},
    {"MoneyAbove5000",
     {"SET08=6000"},
     {{"SET08", "5000"}},
     "qmconf-cli: SET08=6000: вне пределов от 0 до 5000, записано 5000\n"},
    {"LeadingZeros", {"SET08=0005001"}, {{"SET08", "5000"}}, "SET08=0005001: вне пределов"},
    {"NegativeBelowItsBound", {"SET32=-5"}, {{"SET32", "15"}}, "SET32=-5: вне пределов"},
    {"PeriodNotANumber", {"SET32=abc"}, {}, "SET32=\"abc\": ожидается целое число", true},
    {"DecimalComma", {"SET08=1,5"}, {}, kNumber.c_str(), true},
    {"Fraction", {"SET08=150.50"}, {}, kNumber.c_str(), true},
    {"Exponent", {"SET08=1e3"}, {}, kNumber.c_str(), true},
    {"PlusSign", {"SET08=+12"}, {}, kNumber.c_str(), true},
    {"Hexadecimal", {"SET08=0x10"}, {}, kNumber.c_str(), true},
    {"BlankBefore", {"SET08= 7"}, {}, "SET08=\" 7\": ожидается целое число", true},
    {"FullWidthDigits", {"SET08=１２"}, {}, kNumber.c_str(), true},
    {"TextLongerThanItsField",
     {"SET01=" + std::string(40, 'a')},
     {},
     "не помещается в поле (наибольшая длина — 31)",
     true},
    {"TextInCyrillic",
     {"SET05=баланс код"},
     {{"SET05", "\xE1\xE0\xEB\xE0\xED\xF1 \xEA\xEE\xE4"}},
     ""},
    {"TextOnTwoLines",
     {"SET05=баланс\tкод\nвторая"},
     {},
     "SET05=\"баланс\\tкод\\nвторая\": в тексте есть управляющий знак",
     true},
    {"TextOutsideTheCodePage",
     {"SET01=apn\xE2\x82\xAC\xF0\x9F\x98\x80"},
     {},
     "кодовой странице 1251",
     true},
    {"TextWithBlanksAtItsEnds", {"SET01= apn "}, {}, "плата прочтёт \"apn\"", true},
    {"TextInQuotes", {"SET02=\"mts\""}, {}, "плата прочтёт \"mts\"", true},
    {"TextHoldingTheChecksumKey",
     {"SET03=abCRC=12"},
     {},
     "SET03: в тексте есть «CRC=», на нём плата ищет контрольную сумму",
     true},
    {"TextsTooShortForAnImage",
     {"SET01=", "SET02=", "SET03=", "SET04="},
     {},
     "тексты SET01–SET07 вместе слишком короткие; ничего не записано",
     true},
    {"PhoneWrittenWithBrackets", {"SET06=+7 (916) 123-45-67"}, {{"SET06", "+79161234567"}}, ""},
    {"PhoneDomestic", {"SET07=8 916 123-45-67"}, {{"SET07", "89161234567"}}, ""},
    {"PhoneErased", {"SET06=-"}, {{"SET06", ""}}, ""},
    {"PhoneTooLong", {"SET06=+380501234567"}, {}, kPhone.c_str(), true},
    {"PhoneTooShort", {"SET06=123"}, {}, kPhone.c_str(), true},
    {"PhoneWithLetters", {"SET06=+7916abc1234567"}, {}, kPhone.c_str(), true},
    {"SwitchOn",
     {"SET45=1", "SET48=1", "SET50=2", "SET29=3"},
     {{"SET29", "3"}, {"SET45", "1"}, {"SET48", "1"}, {"SET50", "2"}},
     ""},
    {"SwitchOfTwo", {"SET45=2"}, {}, "ожидается число от 0 до 1", true},
    {"ListPastItsEntries", {"SET50=3"}, {}, "ожидается число от 0 до 2", true},
    {"CurrencyPastItsEntries", {"SET29=4"}, {}, "ожидается число от 0 до 3", true},
    {"BanknotesKeepTheHiddenBits",
     {"SET28=1"},
     {{"SET28", "193"}},
     "SET28=1: записано 193: биты 6 и 7 источника сохранены"},
    {"BanknotesAbove63", {"SET28=64"}, {}, "ожидается число от 0 до 63", true},
    {"SettingWithoutAControl", {"SET43=1"}, {}, "в окне не изменяется", true},
    {"KeyGivenTwice", {"SET08=100", "set08=200"}, {}, "SET08 задан дважды", true},
    {"LabelOfALabelledBoard", {"SET99=QM 9"}, {}, "только плате, у которой её ещё нет", true},
    {"OneRefusedStoresNothing", {"SET08=100", "SET45=5"}, {}, "ничего не записано", true},
    {"Label", {"SET99=QM 4.4.4.4.4"}, {{"SET99", "QM 4.4.4.4.4"}}, "", false, true},
    {"LabelEmpty", {"SET99="}, {}, "метка пуста", true, true},
    {"LabelBlank", {"SET99=   "}, {}, "метка из одних пробелов", true, true},
    {"LabelWithBlanksAtItsEnds", {"SET99=QM 4 "}, {}, "пробелы по краям метки", true, true},
    {"LabelTooLong", {"SET99=QM 1.2.3.4.5.6.7.8"}, {}, "наибольшая длина — 12", true, true},
    {"LabelWithAControlByte", {"SET99=QM\x01"}, {}, "управляющий знак", true, true},
    {"LabelLikeTheBlankMarker", {"SET99=я 1"}, {}, "не может начинаться с «я»", true, true},
};

class SetTest : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SetTest, StoresWhatTheWindowWould) {
    const Case& c = GetParam();
    Lines source = kSource;
    if (c.blankSource)
        source.push_back({"ID", "\xFF"});
    WriteAll(file("шаблон.ini"), ImageWith(source));
    std::vector<std::string> arguments = {"set", "шаблон.ini", "новый.ini"};
    arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
    const CliRun result = run(arguments);

    EXPECT_EQ(result.status, c.refused ? 1 : 0);
    if (c.err[0] == '\0')
        EXPECT_EQ(result.err, "");
    else
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    // A refusal names its cause, not a file that could not be opened.
    EXPECT_EQ(result.err.find("Не удаётся открыть"), std::string::npos) << result.err;
    ASSERT_EQ(exists("новый.ini"), !c.refused);
    if (c.refused)
        return;
    EXPECT_EQ(result.out, "Настройки записаны в новый.ini\n");
    Lines expected = kSource;
    expected.insert(expected.end(), c.stored.begin(), c.stored.end());
    EXPECT_EQ(ReadAll(file("новый.ini")), ImageWith(expected));
}

INSTANTIATE_TEST_SUITE_P(Cli, SetTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// set writes every value as the window would store it, the values not
// assigned too, and says so; copy keeps them as held.
TEST_F(CliTest, SetStoresWhatTheWindowWouldCopyWhatIsHeld) {
    const std::string held = ImageWith({{"SET08", "6000"}, {"SET45", "7"}});
    WriteAll(file("шаблон.ini"), held);
    const CliRun set = run({"set", "шаблон.ini", "новый.ini", "SET10=1"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ReadAll(file("новый.ini")),
              ImageWith({{"SET08", "5000"}, {"SET10", "1"}, {"SET45", "1"}}));
    EXPECT_NE(set.err.find("SET08: в источнике 6000, записано 5000, как записало бы окно"),
              std::string::npos)
        << set.err;
    EXPECT_EQ(run({"copy", "шаблон.ini", "копия.ini"}).status, 0);
    EXPECT_EQ(ReadAll(file("копия.ini")), held);
}

// A board without a label yet takes one, as through the window's serial
// entry; untouched, its blank label is written as the window writes it.
TEST_F(CliTest, BlankBoardTakesItsLabelOnce) {
    WriteAll(file("пустая.ini"), ImageWith({{"ID", "\xFF"}}));
    const CliRun labelled = run({"set", "пустая.ini", "новая.ini", "SET99=QM 4.4.4.4.4"});
    EXPECT_EQ(labelled.status, 0) << labelled.err;
    EXPECT_EQ(ReadAll(file("новая.ini")), ImageWith({{"SET99", "QM 4.4.4.4.4"}}));

    const CliRun copied = run({"copy", "пустая.ini", "копия.ini"});
    EXPECT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(ReadAll(file("копия.ini")), ImageWith({{"SET99", "\xFF"}}));
}

} // namespace
} // namespace qmtest

namespace qmtest {
namespace {

// A source that holds what the window's record cannot: set and copy say, for
// every such value, what the source holds, what they wrote and why.
struct HeldCase {
    const char* name;
    std::string text;  // the source's settings text
    const char* held;  // "KEY: <what the source holds>, записано "
    std::string value; // what copy writes
    const char* why;   // "; <why>", or "" where held says it
};

std::string defaultsWithout(const std::string& line) {
    std::string text = DefaultsTextWith({});
    return text.erase(text.find(line), line.size());
}

std::string defaultsWithAfter(const std::string& line, const std::string& added) {
    std::string text = DefaultsTextWith({});
    return text.insert(text.find(line) + line.size(), added);
}

TEST_F(CliTest, SetAndCopyNoteWhatTheSourceHoldsOtherwise) {
    const HeldCase cases[] = {
        {"wrapped", DefaultsTextWith({{"SET08", "65636"}}), "SET08: в источнике 65636, записано ",
         "100", "; в поле от 0 до 65535 это число не помещается"},
        {"wrapped far", DefaultsTextWith({{"SET10", "999999"}}),
         "SET10: в источнике 999999, записано ", "16959",
         "; в поле от 0 до 65535 это число не помещается"},
        {"negative", DefaultsTextWith({{"SET10", "-1"}}), "SET10: в источнике -1, записано ",
         "65535", "; в поле от 0 до 65535 это число не помещается"},
        {"no number", DefaultsTextWith({{"SET10", "12 \xF0\xF3\xE1"}}),
         "SET10: в источнике \"12 руб\", записано ", "0", "; это не число"},
        {"missing", defaultsWithout("SET08=100\r\n"), "SET08: нет в источнике, записано ", "0", ""},
        {"zero byte", DefaultsTextWith({{"SET02", std::string("mt\0s", 4)}}),
         "SET02: в источнике \"mt\\u0000s\", записано ", "\"mt\"",
         "; текст обрывается на нулевом байте"},
        {"too long", DefaultsTextWith({{"SET02", std::string(40, 'm')}}),
         "SET02: в источнике \"mmmm", "\"" + std::string(31, 'm') + "\"",
         "; не помещается в поле (наибольшая длина — 31)"},
        {"twice", defaultsWithAfter("SET08=100\r\n", "SET08=200\r\n"),
         "SET08: в источнике 2 раза: 100 и 200, записано ", "100", "; прочитан первый"},
    };
    for (const HeldCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(file("источник.ini"), ReferenceImage(c.text));
        const CliRun copied = run({"copy", "источник.ini", "копия.ini"});
        EXPECT_EQ(copied.status, 0);
        EXPECT_NE(copied.err.find(c.held), std::string::npos) << copied.err;
        EXPECT_NE(copied.err.find(c.value + c.why + "\n"), std::string::npos) << copied.err;
        EXPECT_EQ(std::count(copied.err.begin(), copied.err.end(), '\n'), 1) << copied.err;
        const CliRun set = run({"set", "источник.ini", "новый.ini", "SET12=5"});
        EXPECT_EQ(set.status, 0);
        EXPECT_NE(set.err.find(c.held), std::string::npos) << set.err;
        EXPECT_NE(set.err.find(std::string(c.why) + "\n"), std::string::npos) << set.err;
    }
    // Only the spelling differs: the value is held as written.
    WriteAll(file("источник.ini"), ImageWith({{"SET08", "0x64"}, {"SET10", " 7"}}));
    EXPECT_EQ(run({"copy", "источник.ini", "копия.ini"}).err, "");
}

} // namespace
} // namespace qmtest
