// set applies each value through the window's rules and stores the image,
// byte for byte; a value the window could not take stores nothing.
#include "CliTest.h"

namespace qmtest {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

struct Case {
    const char* name;
    std::vector<std::string> assignments;
    Lines stored;       // the lines of the stored file that differ from the source's
    const char* report; // a part of the output, or of the error output when refused
    bool refused = false;
};

void PrintTo(const Case& c, std::ostream* os) { // a failed case by its name
    *os << c.name;
}

// The source holds bits 6 and 7 of the banknote set, which no box shows.
const Lines kSource = {{"SET28", "198"}};

const Case kCases[] = {
    {"ThreePrices",
     {"SET08=250", "set10=300", "SET12=500"},
     {{"SET08", "250"}, {"SET10", "300"}, {"SET12", "500"}},
     "Настройки записаны в новый.ini"},
    {"MoneyAbove5000", {"SET08=6000"}, {{"SET08", "5000"}}, "SET08=6000: сохранено 5000\n"},
    {"PeriodNotANumber", {"SET32=abc"}, {{"SET32", "15"}}, "SET32=abc: сохранено 15\n"},
    {"TextLongerThanItsField",
     {"SET01=" + std::string(40, 'a')},
     {{"SET01", std::string(31, 'a')}},
     "сохранено \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\""},
    {"TextInCyrillicAndOnOneLine",
     {"SET05=баланс\tкод\nвторая"},
     {{"SET05", "\xE1\xE0\xEB\xE0\xED\xF1 \xEA\xEE\xE4"}},
     "SET05=\"баланс\\tкод\\nвторая\": сохранено \"баланс код\""},
    {"TextOutsideTheCodePage",
     {"SET01=apn\xE2\x82\xAC\xF0\x9F\x98\x80"},
     {},
     "кодовой странице 1251",
     true},
    {"PhoneWrittenWithBrackets",
     {"SET06=+7 (916) 123-45-67"},
     {{"SET06", "+79161234567"}},
     "сохранено \"+79161234567\""},
    {"PhoneDomesticCut", {"SET07=8 916 123 45 67 89"}, {{"SET07", "89161234567"}}, "сохранено"},
    {"PhoneErased", {"SET06=-"}, {{"SET06", ""}}, "SET06=\"-\": сохранено \"\""},
    {"PhoneWithoutDigits", {"SET06=abc"}, {}, "нет ни одной цифры", true},
    {"SwitchOn",
     {"SET45=1", "SET48=1", "SET50=2", "SET29=3"},
     {{"SET29", "3"}, {"SET45", "1"}, {"SET48", "1"}, {"SET50", "2"}},
     "Настройки записаны"},
    {"SwitchOfTwo", {"SET45=2"}, {}, "ожидается число от 0 до 1", true},
    {"ListPastItsEntries", {"SET50=3"}, {}, "ожидается число от 0 до 2", true},
    {"BanknotesKeepTheHiddenBits", {"SET28=1"}, {{"SET28", "193"}}, "SET28=1: сохранено 193\n"},
    {"SettingWithoutAControl", {"SET43=1"}, {}, "в окне не изменяется", true},
    {"LabelOfALabelledBoard", {"SET99=QM 9"}, {}, "только плате, у которой её ещё нет", true},
    {"OneRefusedStoresNothing", {"SET08=100", "SET45=5"}, {}, "ничего не записано", true},
};

class SetTest : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SetTest, StoresWhatTheWindowWould) {
    const Case& c = GetParam();
    WriteAll(file("шаблон.ini"), ImageWith(kSource));
    std::vector<std::string> arguments = {"set", "шаблон.ini", "новый.ini"};
    arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
    const CliRun result = run(arguments);

    EXPECT_EQ(result.status, c.refused ? 1 : 0);
    EXPECT_NE((c.refused ? result.err : result.out).find(c.report), std::string::npos)
        << result.out << result.err;
    ASSERT_EQ(exists("новый.ini"), !c.refused);
    if (c.refused)
        return;
    EXPECT_EQ(result.err, "");
    Lines expected = kSource;
    expected.insert(expected.end(), c.stored.begin(), c.stored.end());
    EXPECT_EQ(ReadAll(file("новый.ini")), ImageWith(expected));
}

INSTANTIATE_TEST_SUITE_P(Cli, SetTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
