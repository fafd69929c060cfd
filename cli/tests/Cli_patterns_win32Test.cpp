// File patterns as cmd.exe and PowerShell hand them on: expanded by the
// program in the folder they name, in Explorer's order, letter case aside;
// a pattern that matches nothing reported as a missing file; a name that
// exists taken as it is. Every argument reaches the program quoted, as
// Windows cannot tell a quoted one from one that is not.
#include "CliTest.h"

#include "Utf16.h"

#include <windows.h>

namespace qmtest {
namespace {

struct PatternCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* out; // the beginning of the output
    const char* err; // a part of the error output ("" for none)
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name;
}

const PatternCase kPatterns[] = {
    {"SeveralInExplorersOrder",
     {"check", "кресла\\*.ini"},
     1,
     "кресла\\Кресло1.ini: образ настроек в порядке\nкресла\\кресло2.ini: образ настроек в "
     "порядке\nкресла\\кресло10.ini: ошибка контрольной суммы\n",
     ""},
    {"LetterCaseAsideAndTheFolderAsGiven",
     {"check", "кресла/*.INI"},
     1,
     "кресла/Кресло1.ini: образ настроек в порядке\nкресла/кресло2.ini",
     ""},
    {"NoneMatchingIsAMissingFile",
     {"check", "кресла\\*.xml", "шаблон.ini"},
     3,
     "кресла\\*.xml: не удаётся прочитать\nшаблон.ini: образ настроек в порядке\n",
     "2. Не удаётся открыть кресла\\*.xml\n"},
    {"LiteralNameWithBracket", {"check", "плата[1].ini"}, 0, "плата[1].ini: образ", ""},
    {"BracketInAPatternIsALetter", {"check", "плата[?].ini"}, 0, "плата[1].ini: образ", ""},
    {"ShowOfOneMatch", {"show", "кресла\\*2.ini"}, 0, "SET01  APN: ", ""},
    {"ShowOfSeveralIsAWrongCall", {"show", "кресла\\*.ini"}, 2, "", "нужен один ИСТОЧНИК"},
    {"DiffOfTwoMatches",
     {"diff", "кресла\\кресло?.ini"},
     1,
     "SET08  Прайс деньги/время, деньги 1\n< 100\n> 300\n",
     ""},
    {"DestinationIsNoPattern",
     {"copy", "шаблон.ini", "кресла\\*.ini"},
     3,
     "",
     "Ошибка при записи кресла\\*.ini"},
};

class PatternFiles : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        std::filesystem::create_directories(std::filesystem::u8path(file("кресла/папка.ini")));
        WriteAll(file("шаблон.ini"), DefaultsImage());
        WriteAll(file("плата[1].ini"), DefaultsImage());
        WriteAll(file("кресла/Кресло1.ini"), DefaultsImage());
        WriteAll(file("кресла/кресло2.ini"), ImageWith({{"SET08", "300"}}));
        WriteAll(file("кресла/кресло10.ini"), Damaged(DefaultsImage()));
        WriteAll(file("кресла/заметки.txt"), "не образ");
        WriteAll(file("кресла/скрытый.ini"), DefaultsImage());
        SetFileAttributesW(qm::Wide(file("кресла/скрытый.ini")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
};

class PatternTest : public PatternFiles, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(PatternTest, ExpandsSourcesAsTheShellWouldOnLinux) {
    const PatternCase& c = GetParam();
    const CliRun result = run(c.arguments);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out.compare(0, std::string(c.out).size(), c.out), 0) << result.out;
    if (c.err[0] == '\0')
        EXPECT_EQ(result.err, "");
    else
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    // Nothing matched is ever written.
    EXPECT_EQ(ReadAll(file("кресла/кресло10.ini")), Damaged(DefaultsImage()));
}

INSTANTIATE_TEST_SUITE_P(Cli, PatternTest, ::testing::ValuesIn(kPatterns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PatternFiles, SetExpandsItsSourceButNotItsAssignments) {
    const CliRun set = run({"set", "кресла\\*2.ini", "новый.ini", "SET04=srv*?.ru"});
    EXPECT_EQ(set.status, 0) << set.err;
    const CliRun shown = run({"show", "новый.ini"});
    EXPECT_NE(shown.out.find("SET08  Прайс деньги/время, деньги 1: 300\n"), std::string::npos);
    EXPECT_NE(shown.out.find("SET04  Сервер: \"srv*?.ru\"\n"), std::string::npos) << shown.out;
}

} // namespace
} // namespace qmtest
