// Every command and wrong call ends with its exit status, its result on the
// output and its complaint on the error output; file names in Cyrillic.
#include "CliTest.h"

#include "Temp_file.h"
#include "Temp_lock.h"

namespace qmtest {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* out; // a part of the output ("" for an empty output)
    const char* err; // a part of the error output ("" for an empty one)
};

void PrintTo(const Case& c, std::ostream* os) { // a failed case by its name
    *os << c.name;
}

const Case kCases[] = {
    {"NoCommand", {}, 2, "", "не указана команда"},
    {"UnknownCommand", {"frobnicate"}, 2, "", "неизвестная команда frobnicate"},
    {"UnknownOption", {"show", "--xml", "шаблон.ini"}, 2, "", "неизвестный параметр --xml"},
    {"JsonOfCheck", {"check", "--json", "шаблон.ini"}, 2, "", "--json есть только у show и diff"},
    {"DefaultsAsDestination", {"copy", "шаблон.ini", "defaults"}, 2, "", "только ИСТОЧНИКОМ"},
    {"NoSuchKey",
     {"set", "шаблон.ini", "новый.ini", "SET53=1"},
     2,
     "",
     "\"SET53=1\": не присваивание"},
    {"Version", {"--version"}, 0, "qmconf-cli 1.0.0\n", ""},
    {"ShowAsText",
     {"show", "кресло.ini"},
     0,
     "SET32  Периодичность связи: 60\nSET05  Код запроса баланса: \"\"\nSET29  Валюта: 0\nSET08  "
     "Прайс деньги/время, деньги 1: 6000, окно сохранит 5000\nSET09  ",
     ""},
    {"ShowAsTextEnds",
     {"show", "кресло.ini"},
     0,
     "\nSET43: 400\nSET46: 0\nSET51: 0\nМетка платы: не задана\nКонтрольная сумма: сходится\n",
     ""},
    {"ShowBlankLabelAsJson",
     {"show", "--json", "кресло.ini"},
     0,
     "{\"serial\": null, \"serial_state\": \"blank\", \"checksum_ok\": true, \"settings\": [\n  "
     "{\"key\": \"SET01\", ",
     ""},
    {"ShowNoLabel",
     {"show", "шаблон.ini"},
     0,
     "\nМетка платы: нет в источнике (окно покажет \"QM . . . . .\")\n",
     ""},
    {"ShowNoLabelAsJson",
     {"show", "--json", "шаблон.ini"},
     0,
     "{\"serial\": null, \"serial_state\": \"none\", \"serial_shown\": \"QM . . . . .\", ",
     ""},
    {"StandardInputIsNoSource", {"show", "-"}, 2, "", "«-» (стандартный ввод или вывод)"},
    {"NoArchiveOnlyForStores", {"show", "--no-archive", "шаблон.ini"}, 2, "", "--no-archive"},
    {"PathEscaped", {"show", "нет\n.ini"}, 3, "", "2. Не удаётся открыть \"нет\\n.ini\"\n"},
    {"ShowMissingFile", {"show", "нет.ini"}, 3, "", "2. Не удаётся открыть нет.ini"},
    {"ShowShortFile", {"show", "короткий.ini"}, 1, "", "короткий.ini: 300 байт, а образ"},
    {"ShowBadChecksum", {"show", "испорчен.ini"}, 1, "деньги 1: 100\n", "контрольной суммы"},
    {"CheckInvalid",
     {"check", "шаблон.ini", "короткий.ini", "испорчен.ini"},
     1,
     "шаблон.ini: образ настроек в порядке\nкороткий.ini: 300 байт, а образ настроек занимает от "
     "512 до 2048 байт\nиспорчен.ini: ошибка контрольной суммы\n",
     ""},
    {"CheckUnreadableWins",
     {"check", "нет.ini", "испорчен.ini"},
     3,
     "нет.ini: не удаётся прочитать\nиспорчен.ini: ошибка контрольной суммы\n",
     "нет.ini"},
    {"DiffSame", {"diff", "шаблон.ini", "defaults"}, 0, "", ""},
    {"DiffDifferent",
     {"diff", "шаблон.ini", "другой.ini"},
     1,
     "SET08  Прайс деньги/время, деньги 1\n< 100\n> 300\n",
     ""},
    {"DiffJson",
     {"diff", "--json", "шаблон.ini", "другой.ini"},
     1,
     "[\n {\"key\": \"SET08\", \"caption\": \"Прайс деньги/время, деньги 1\", \"a\": 100, \"b\": "
     "300}\n]\n",
     ""},
    {"DiffLabels",
     {"diff", "кресло.ini", "метка.ini"},
     1,
     "ID  Метка платы\n< не задана\n> \"Кресло №17\"\n",
     ""},
    {"DiffLabelsAsJson",
     {"diff", "--json", "шаблон.ini", "метка.ini"},
     1,
     "{\"key\": \"ID\", \"caption\": \"Метка платы\", \"a\": null, \"b\": \"Кресло №17\", "
     "\"a_state\": \"none\", \"b_state\": \"label\"}",
     ""},
    // 65636 is read as 100: the window shows 100, and both commands say so.
    {"ShowHeldOtherwise",
     {"show", "обёрнут.ini"},
     0,
     "деньги 1: 100 (в источнике 65636; в поле от 0 до 65535 это число не помещается)\n",
     ""},
    {"ShowHeldOtherwiseAsJson",
     {"show", "--json", "обёрнут.ini"},
     0,
     "\"value\": 100, \"source\": {\"held\": [\"65636\"], \"note\": \"в источнике 65636; в поле от "
     "0 до 65535 это число не помещается\"}}",
     ""},
    {"DiffHeldOtherwise",
     {"diff", "обёрнут.ini", "шаблон.ini"},
     1,
     "SET08  Прайс деньги/время, деньги 1\n< 100 (в источнике 65636; в поле от 0 до 65535 это "
     "число не помещается)\n> 100\n",
     ""},
    {"DiffOfABadImage", {"diff", "испорчен.ini", "шаблон.ini"}, 3, "", "Ошибка контрольной суммы"},
    {"CopyOfABadImage", {"copy", "испорчен.ini", "копия.ini"}, 3, "", "Ошибка контрольной суммы"},
    {"Copy", {"copy", "другой.ini", "копия.ini"}, 0, "Настройки записаны в копия.ini\n", ""},
    {"CopyToAMissingFolder",
     {"copy", "шаблон.ini", "нет/копия.ini"},
     3,
     "",
     "Ошибка при записи нет/копия.ini\nqmconf-cli: 5. Не удаётся открыть нет/копия.ini"},
};

class CommandsTest : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CommandsTest, EndsWithItsStatusOutputAndError) {
    WriteAll(file("шаблон.ini"), DefaultsImage());
    WriteAll(file("другой.ini"), ImageWith({{"SET08", "300"}}));
    WriteAll(file("обёрнут.ini"), ImageWith({{"SET08", "65636"}}));
    WriteAll(file("короткий.ini"), DefaultsImage().substr(0, 300));
    WriteAll(file("испорчен.ini"), Damaged(DefaultsImage()));
    WriteAll(file("кресло.ini"), ImageWith({{"ID", "\xFF"}, {"SET08", "6000"}, {"SET05", ""}}));
    WriteAll(file("метка.ini"), ImageWith({{"ID", "\xCA\xF0\xE5\xF1\xEB\xEE \xB9"
                                                  "17"},
                                           {"SET08", "6000"},
                                           {"SET05", ""}}));

    const Case& c = GetParam();
    const CliRun result = run(c.arguments);
    EXPECT_EQ(result.status, c.status);
    if (c.out[0] == '\0')
        EXPECT_EQ(result.out, "");
    else
        EXPECT_NE(result.out.find(c.out), std::string::npos) << result.out;
    if (c.err[0] == '\0')
        EXPECT_EQ(result.err, "");
    else
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    // Only a copy that succeeded leaves a file behind.
    EXPECT_EQ(exists("копия.ini"), std::string(c.name) == "Copy");
    if (exists("копия.ini")) {
        EXPECT_EQ(ReadAll(file("копия.ini")), ImageWith({{"SET08", "300"}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, CommandsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using BusyTest = CliTest;

// Another editor holds the temporary file past the wait: the case's own
// message, and a status line that says another program is at work.
TEST_F(BusyTest, BusyTemporaryFileSaysAnotherProgramIsStoringOrLoading) {
    WriteAll(file("шаблон.ini"), DefaultsImage());
    const std::string temp = qm::TempFilePath();
    const qm::TempFileLock otherEditor(temp);
    ASSERT_TRUE(otherEditor.held());
    const std::string busy =
        ". Другая программа сейчас записывает или читает настройки: подождите и повторите.\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"copy", "defaults", "копия.ini"},
         "qmconf-cli: Ошибка при записи копия.ini" + busy + "qmconf-cli: 1. Не удаётся открыть " +
             temp + "\n"},
        {{"show", "шаблон.ini"},
         "qmconf-cli: Ошибка при чтении шаблон.ini" + busy + "qmconf-cli: 3. Не удаётся открыть " +
             temp + "\n"},
    };
    for (const auto& [arguments, err] : cases) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 3) << arguments[0];
        EXPECT_EQ(result.err, err);
    }
    EXPECT_FALSE(exists("копия.ini"));
}

using HelpTest = CliTest;

TEST_F(HelpTest, NamesEveryCommandAndOptionWithAnExample) {
    const CliRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::pair<const char*, const char*> entries[] = {
        {"show", "show board"},          {"check", "check board"},
        {"diff", "diff board"},          {"set", "set шаблон.ini board SET08="},
        {"copy", "copy board"},          {"archive", "archive \"QM"},
        {"--json", "show --json board"}, {"--version", "--version"},
    };
    for (const auto& [entry, example] : entries) {
        EXPECT_NE(result.out.find(std::string("\n  ") + entry), std::string::npos) << entry;
        EXPECT_NE(result.out.find(std::string("Пример: qmconf-cli ") + example), std::string::npos)
            << entry;
    }
}

} // namespace
} // namespace qmtest
