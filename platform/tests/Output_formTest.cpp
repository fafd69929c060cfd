// The form of the text on each place a standard stream can lead to on
// Windows, one row per rule; text handed over in pieces; JSON made ASCII.
#include "Output_form.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

using qm::OutputWish;
using qm::StreamPlace;
using qm::TextForm;
using Kind = TextForm::Kind;

StreamPlace console() {
    StreamPlace place;
    place.kind = StreamPlace::Kind::Console;
    place.consoleCodePage = 866;
    place.consoleShared = true;
    place.ansiCodePage = 1251;
    return place;
}

StreamPlace pipe(unsigned consoleCodePage, bool shared) {
    StreamPlace place;
    place.consoleCodePage = consoleCodePage;
    place.consoleShared = shared;
    place.ansiCodePage = 1251;
    return place;
}

// A file holding something (head: its first bytes as read, "" when they
// cannot be read).
StreamPlace file(const std::string& head) {
    StreamPlace place = pipe(866, true);
    place.kind = StreamPlace::Kind::File;
    place.fileEmpty = false;
    place.fileHead = head;
    return place;
}

StreamPlace newFile() {
    StreamPlace place = file("");
    place.fileEmpty = true;
    return place;
}

struct FormCase {
    const char* name;
    StreamPlace place;
    OutputWish wish;
    Kind kind;
    unsigned codePage;
    bool mark;
    bool asciiJson;
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << c.name;
}

const FormCase kForms[] = {
    {"ConsoleWhateverItsCodePage", console(), {false, false}, Kind::ConsoleWide, 0, false, false},
    {"ConsoleEvenForUtf8OrJson", console(), {true, true}, Kind::ConsoleWide, 0, false, false},
    {"JsonAsAscii", pipe(866, true), {false, true}, Kind::Utf8, 0, false, true},
    {"JsonToAFileWithoutMark", newFile(), {false, true}, Kind::Utf8, 0, false, true},
    {"JsonAsUtf8WhenAsked", pipe(866, true), {true, true}, Kind::Utf8, 0, false, false},
    {"Utf8WhenAsked", pipe(866, true), {true, false}, Kind::Utf8, 0, false, false},
    {"Utf8WhenAskedToAFile", newFile(), {true, false}, Kind::Utf8, 0, false, false},
    {"NewFileInUnicodeWithMark", newFile(), {false, false}, Kind::Utf16Le, 0, true, false},
    {"AddedToUnicode", file("\xFF\xFEx"), {false, false}, Kind::Utf16Le, 0, false, false},
    {"AddedToUtf8", file("\xEF\xBB\xBFx"), {false, false}, Kind::Utf8, 0, false, false},
    {"AddedAsEchoWrites", file("x\r\n"), {false, false}, Kind::CodePage, 866, false, false},
    {"AddedToUnreadable", file(""), {false, false}, Kind::CodePage, 866, false, false},
    {"PipeInTheSharedConsolesCodePage", pipe(866, true), {}, Kind::CodePage, 866, false, false},
    {"PipeOfAUtf8Console", pipe(65001, true), {}, Kind::Utf8, 0, false, false},
    {"PipeFromAConsoleOfItsOwnInAnsi", pipe(866, false), {}, Kind::CodePage, 1251, false, false},
    {"PipeWithoutConsoleInAnsi", pipe(0, false), {}, Kind::CodePage, 1251, false, false},
};

class FormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormTest, FollowsTheRule) {
    const FormCase& c = GetParam();
    const TextForm form = qm::FormFor(c.place, c.wish);
    EXPECT_EQ(form.kind, c.kind);
    if (c.kind == Kind::CodePage) {
        EXPECT_EQ(form.codePage, c.codePage);
    }
    EXPECT_EQ(form.mark, c.mark);
    EXPECT_EQ(form.asciiJson, c.asciiJson);
}

INSTANTIATE_TEST_SUITE_P(Output, FormTest, ::testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AsciiJsonTest, EscapesEveryCharacterBeyondAscii) {
    const std::pair<const char*, const char*> cases[] = {
        {"{\"a\": \"Кр\"}", "{\"a\": \"\\u041a\\u0440\"}"},
        {"\"€ №\"", "\"\\u20ac \\u2116\""},
        {"\xF0\x9F\x98\x80", "\\ud83d\\ude00"}, // as a surrogate pair
        {"\"\\u0001\\\"\"", "\"\\u0001\\\"\""}, // escapes made before stay as they are
        {"\xFF", "\\ufffd"},
        {"\xC0\xAF", "\\ufffd\\ufffd"}, // an overlong "/"
        {"\xED\xA0\x80", "\\ufffd"},    // a surrogate in UTF-8
        {"x\xD0", "x\\ufffd"},          // cut short at the end
    };
    for (const auto& [utf8, ascii] : cases)
        EXPECT_EQ(qm::AsciiJson(utf8), ascii) << utf8;
}

} // namespace
} // namespace qmtest
