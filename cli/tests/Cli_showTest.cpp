// show: every setting as held, and the value the window would store where
// showing it changes it, as JSON and as text.
#include "CliTest.h"

namespace qmtest {
namespace {

struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> image; // lines of the settings file
    std::vector<const char*> lines;                         // lines the output must hold
};

// Failed cases are named in the output.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const Case kCases[] = {
    {"OutOfTheWindowsRange",
     {{"ID", "QM \"7\"\\"},
      {"SET01", "x\x01y\xE0\x98"},
      {"SET08", "6000"},
      {"SET32", "5"},
      {"SET45", "7"},
      {"SET48", "5"},
      {"SET06", "-123"},
      {"SET07", "8916abc"},
      {"SET50", "9"},
      {"SET29", "8"},
      {"SET28", "255"}},
     {"{\"serial\": \"QM \\\"7\\\"\\\\\", \"checksum_ok\": true, \"settings\": [",
      "  {\"key\": \"SET01\", \"caption\": \"APN\", \"value\": \"x\\u0001yа\\u0098\", "
      "\"normalized\": \"xyа\\u0098\"},",
      "  {\"key\": \"SET32\", \"caption\": \"Периодичность связи\", \"value\": 5, "
      "\"normalized\": 15},",
      "  {\"key\": \"SET29\", \"caption\": \"Валюта\", \"value\": 8},",
      "  {\"key\": \"SET08\", \"caption\": \"Прайс деньги/время, деньги 1\", \"value\": 6000, "
      "\"normalized\": 5000},",
      "  {\"key\": \"SET28\", \"caption\": \"Принимаемые купюры\", \"value\": 255},",
      "  {\"key\": \"SET45\", \"caption\": \"Отказ купюроприёмника, Отсылать СМС\", \"value\": 7, "
      "\"normalized\": 1},",
      "  {\"key\": \"SET06\", \"caption\": \"Телефон мастера\", \"value\": \"-123\", "
      "\"normalized\": \"\"},",
      "  {\"key\": \"SET07\", \"caption\": \"Телефон Администратора\", \"value\": \"8916abc\", "
      "\"normalized\": \"8916\"},",
      "  {\"key\": \"SET48\", \"caption\": \"Датчик инкассации\", \"value\": 5, \"normalized\": "
      "1},",
      "  {\"key\": \"SET50\", \"caption\": \"Тип кресла\", \"value\": 9},",
      "  {\"key\": \"SET51\", \"caption\": \"\", \"value\": 0}", "]}"}},
    {"BlankLabel", {{"ID", "\xFF"}}, {"{\"serial\": null, \"checksum_ok\": true, \"settings\": ["}},
};

class ShowTest : public CliTest, public ::testing::WithParamInterface<Case> {};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

bool holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_P(ShowTest, GivesEverySettingAndWhatTheWindowWouldStore) {
    WriteBytes(file("кресло.ini"), ImageWith(GetParam().image));
    const CliRun json = run({"show", "--json", "кресло.ini"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, "");
    const std::vector<std::string> lines = linesOf(json.out);
    EXPECT_EQ(lines.size(), 52u + 2u); // the opening line, 52 settings, the closing one
    for (const char* line : GetParam().lines)
        EXPECT_TRUE(holds(lines, line)) << line << "\nin\n" << json.out;
}

INSTANTIATE_TEST_SUITE_P(Cli, ShowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, ShowAsTextSaysTheSameInLines) {
    WriteBytes(file("кресло.ini"), ImageWith({{"ID", "\xFF"}, {"SET08", "6000"}, {"SET05", ""}}));
    const CliRun text = run({"show", "кресло.ini"});
    EXPECT_EQ(text.status, 0);
    const std::vector<std::string> lines = linesOf(text.out);
    ASSERT_EQ(lines.size(), 52u + 2u);
    EXPECT_EQ(lines[0], "SET01  APN: \"internet.mts.ru\"");
    EXPECT_EQ(lines[5], "SET05  Код запроса баланса: \"\"");
    EXPECT_EQ(lines[7], "SET08  Прайс деньги/время, деньги 1: 6000, окно сохранит 5000");
    EXPECT_EQ(lines[49], "SET43: 400");
    EXPECT_EQ(lines[52], "Метка платы: не задана");
    EXPECT_EQ(lines[53], "Контрольная сумма: сходится");
}

} // namespace
} // namespace qmtest
