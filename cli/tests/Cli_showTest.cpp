// show --json: every setting as held, escaped, and the value the window would
// store where showing it changes it. (Text mode and a blank label: the
// command table.)
#include "CliTest.h"

namespace qmtest {
namespace {

using ShowTest = CliTest;

TEST_F(ShowTest, GivesEverySettingAndWhatTheWindowWouldStore) {
    WriteAll(file("кресло.ini"), ImageWith({{"ID", "QM \"7\"\\"},
                                            {"SET01", "x\x01y\xE0\x98"},
                                            {"SET08", "6000"},
                                            {"SET32", "5"},
                                            {"SET45", "7"},
                                            {"SET48", "5"},
                                            {"SET06", "-123"},
                                            {"SET07", "8916abc"},
                                            {"SET50", "9"},
                                            {"SET29", "8"},
                                            {"SET28", "255"}}));
    const char* const expected[] = {
        "{\"serial\": \"QM \\\"7\\\"\\\\\", \"serial_state\": \"label\", \"checksum_ok\": true, "
        "\"settings\": [",
        "  {\"key\": \"SET01\", \"caption\": \"APN\", \"value\": \"x\\u0001yа\\u0098\", "
        "\"normalized\": \"xyа\\u0098\"},",
        "  {\"key\": \"SET32\", \"caption\": \"Периодичность связи\", \"value\": 5, "
        "\"normalized\": 15},",
        "  {\"key\": \"SET29\", \"caption\": \"Валюта\", \"value\": 8},",
        "  {\"key\": \"SET08\", \"caption\": \"Прайс деньги/время, деньги 1\", \"value\": 6000, "
        "\"normalized\": 5000},",
        "  {\"key\": \"SET28\", \"caption\": \"Принимаемые купюры\", \"value\": 255},",
        "  {\"key\": \"SET45\", \"caption\": \"Отказ купюроприёмника, Отсылать СМС\", \"value\": "
        "7, "
        "\"normalized\": 1},",
        "  {\"key\": \"SET06\", \"caption\": \"Телефон мастера\", \"value\": \"-123\", "
        "\"normalized\": \"\"},",
        "  {\"key\": \"SET07\", \"caption\": \"Телефон Администратора\", \"value\": \"8916abc\", "
        "\"normalized\": \"8916\"},",
        "  {\"key\": \"SET48\", \"caption\": \"Датчик инкассации\", \"value\": 5, \"normalized\": "
        "1},",
        "  {\"key\": \"SET50\", \"caption\": \"Тип кресла\", \"value\": 9},",
        "  {\"key\": \"SET51\", \"caption\": \"\", \"value\": 0}",
        "]}",
    };
    const CliRun json = run({"show", "--json", "кресло.ini"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, "");
    // The opening line, 52 settings, the closing one.
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 52 + 2) << json.out;
    for (const char* line : expected)
        EXPECT_NE(("\n" + json.out).find("\n" + std::string(line) + "\n"), std::string::npos)
            << line << "\nin\n"
            << json.out;
}

} // namespace
} // namespace qmtest
