// What qmconf-cli's text becomes wherever its standard streams lead on
// Windows, read back from there: a console's screen, whatever its code page;
// a file made by cmd's ">" or added to with ">>"; a pipe, as find, more and
// PowerShell read it; JSON, the same value for every reader. The console is
// the shell's, and so is its code page: the program leaves it as it was.
#include "CliTest.h"
#include "CliTest_win32.h"

#include "Utf16.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <thread>

namespace qmtest {
namespace {

const std::vector<std::string> kCheck = {"check", "шаблон.ini", "нет.ini"};
const char kCheckOut[] = "шаблон.ini: образ настроек в порядке\nнет.ini: не удаётся прочитать\n";
const char kCheckErr[] = "qmconf-cli: 2. Не удаётся открыть нет.ini\n";

// The test's own console, for the program to share: the one it runs in or,
// where it was started without one (Wine gives a program started without a
// terminal a console that cannot be shown or written), a new one.
bool HaveConsole() {
    static const bool have = [] {
        if (GetConsoleWindow() != nullptr && GetConsoleOutputCP() != 0)
            return true;
        FreeConsole();
        return AllocConsole() && GetConsoleOutputCP() != 0;
    }();
    return have;
}

class ConsoleTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (!HaveConsole())
            GTEST_SKIP() << "no console to share (under Wine it needs a display)";
        before_ = GetConsoleOutputCP();
        WriteAll(file("шаблон.ini"), DefaultsImage());
    }
    void TearDown() override {
        if (before_ != 0)
            SetConsoleOutputCP(before_);
        CliTest::TearDown();
    }

    UINT before_ = 0;
};

enum class Form { Utf16Mark, Utf16, Utf8, ConsoleCodePage, AnsiCodePage };

std::string narrowed(const std::wstring& wide, UINT codePage) {
    std::string bytes(wide.size() * 4, '\0');
    bytes.resize(WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                     bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                     nullptr));
    return bytes;
}

// A text as Windows' own converters write it in a form, with Windows' line ends.
std::string inForm(const std::string& utf8, Form form, UINT consoleCodePage) {
    std::wstring wide;
    for (const wchar_t c : qm::Wide(utf8)) {
        if (c == L'\n')
            wide += L'\r';
        wide += c;
    }
    std::string units;
    for (const wchar_t c : wide)
        units += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    switch (form) {
    case Form::Utf16Mark:
        return "\xFF\xFE" + units;
    case Form::Utf16:
        return units;
    case Form::Utf8:
        return narrowed(wide, CP_UTF8);
    case Form::ConsoleCodePage:
        return narrowed(wide, consoleCodePage);
    case Form::AnsiCodePage:
        break;
    }
    return narrowed(wide, GetACP());
}

enum class Where {
    NewFile,       // cmd's "> file"
    HeldFile,      // cmd's ">> file"
    OneFile,       // cmd's "> file 2>&1"
    Pipe,          // cmd's "|", PowerShell
    WinesPipeFile, // Wine's cmd carries "|" through CMDxxxx.tmp in the temporary folder
};

struct RedirectCase {
    const char* name;
    Where where;
    std::string held; // what the files hold before
    DWORD flags;
    Form form;
};

void PrintTo(const RedirectCase& c, std::ostream* os) {
    *os << c.name;
}

// The shell's console speaks the OEM code page of a Russian Windows.
constexpr UINT kShells = 866;

const RedirectCase kRedirects[] = {
    {"NewFileInUnicode", Where::NewFile, "", 0, Form::Utf16Mark},
    {"OneFileForBothWithOneMark", Where::OneFile, "", 0, Form::Utf16Mark},
    {"AddedToUnicode", Where::HeldFile, std::string("\xFF\xFEx\0\r\0\n\0", 8), 0, Form::Utf16},
    {"AddedAsEchoWrites", Where::HeldFile, "x\r\n", 0, Form::ConsoleCodePage},
    {"PipeInTheConsolesCodePage", Where::Pipe, "", 0, Form::ConsoleCodePage},
    {"PipeWithAConsoleOfItsOwn", Where::Pipe, "", CREATE_NO_WINDOW, Form::AnsiCodePage},
    {"PipeWithoutConsole", Where::Pipe, "", DETACHED_PROCESS, Form::AnsiCodePage},
    {"WinesPipeFile", Where::WinesPipeFile, "", 0, Form::ConsoleCodePage},
};

class RedirectTest : public ConsoleTest, public ::testing::WithParamInterface<RedirectCase> {
protected:
    // A file for one stream, holding what the row says, written at its end.
    HANDLE openFile(const std::string& name, const std::string& held) {
        if (!held.empty())
            WriteAll(file(name), held);
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const HANDLE h = CreateFileW(qm::Wide(file(name)).c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                     held.empty() ? CREATE_ALWAYS : OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        SetFilePointer(h, 0, nullptr, FILE_END);
        return h;
    }
};

// A pipe the program writes and the test reads meanwhile, as a shell's
// next command would: a full pipe would otherwise hold the program up.
class Pipe {
public:
    Pipe() {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        if (CreatePipe(&read_, &write_, &inherited, 0))
            SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        reader_ = std::thread([this] {
            char buffer[4096];
            DWORD n = 0;
            while (ReadFile(read_, buffer, sizeof buffer, &n, nullptr) && n > 0)
                bytes_.append(buffer, n);
        });
    }
    ~Pipe() {
        bytes();
        CloseHandle(read_);
    }
    HANDLE write() const { return write_; }
    std::string bytes() { // all the program wrote, once it has ended
        closeWrite();
        if (reader_.joinable())
            reader_.join();
        return bytes_;
    }

private:
    void closeWrite() {
        if (write_ != nullptr)
            CloseHandle(write_);
        write_ = nullptr;
    }
    HANDLE read_ = nullptr, write_ = nullptr;
    std::string bytes_;
    std::thread reader_;
};

TEST_P(RedirectTest, ReadsRightWhereItLeads) {
    const RedirectCase& c = GetParam();
    ASSERT_TRUE(SetConsoleOutputCP(kShells));
    const EnvVar utf8("QMCONF_UTF8", std::nullopt); // the rule as it stands, whatever the test's
    std::string out, err;
    if (c.where == Where::Pipe) {
        Pipe outPipe, errPipe;
        EXPECT_EQ(StartQmconfCli(kCheck, outPipe.write(), errPipe.write(), c.flags), 3);
        out = outPipe.bytes();
        err = errPipe.bytes();
    } else {
        // The temporary folder of the program is the test's folder (CliTest).
        const std::string outName = c.where == Where::WinesPipeFile ? "CMD1f.tmp" : "out.txt";
        const std::string errName = c.where == Where::WinesPipeFile ? "CMD20.tmp" : "err.txt";
        const HANDLE outFile = openFile(outName, c.held);
        const HANDLE errFile = c.where == Where::OneFile ? outFile : openFile(errName, c.held);
        EXPECT_EQ(StartQmconfCli(kCheck, outFile, errFile, c.flags), 3);
        CloseHandle(outFile);
        if (errFile != outFile)
            CloseHandle(errFile);
        out = ReadAll(file(outName));
        err = c.where == Where::OneFile ? "" : ReadAll(file(errName));
    }
    if (c.where == Where::OneFile) {
        EXPECT_EQ(out, inForm(std::string(kCheckOut) + kCheckErr, c.form, kShells));
    } else {
        EXPECT_EQ(out, c.held + inForm(kCheckOut, c.form, kShells));
        EXPECT_EQ(err, c.held + inForm(kCheckErr, c.form, kShells));
    }
    EXPECT_EQ(GetConsoleOutputCP(), kShells);
}

INSTANTIATE_TEST_SUITE_P(Cli, RedirectTest, ::testing::ValuesIn(kRedirects),
                         [](const auto& info) { return std::string(info.param.name); });

// The \u escapes of characters beyond ASCII turned back into UTF-8.
std::string unescaped(const std::string& ascii) {
    std::wstring wide;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        if (ascii[i] == '\\' && i + 5 < ascii.size() && ascii[i + 1] == 'u') {
            const unsigned long unit = std::stoul(ascii.substr(i + 2, 4), nullptr, 16);
            if (unit >= 0x80) {
                wide += static_cast<wchar_t>(unit);
                i += 5;
                continue;
            }
        }
        if (ascii[i] == '\\' && i + 1 < ascii.size())
            wide += static_cast<wchar_t>(ascii[i++]);
        wide += static_cast<wchar_t>(ascii[i]);
    }
    return qm::Utf8(wide);
}

TEST_F(ConsoleTest, JsonIsOneValueForEveryReader) {
    WriteAll(file("метка.ini"), ImageWith({{"ID", "\xCA\xF0\xE5\xF1\xEB\xEE \xB9"
                                                  "17"}}));
    const std::vector<std::string> show = {"show", "--json", "метка.ini"};
    CliRun utf8 = run(show); // QMCONF_UTF8=1: as on Linux
    ASSERT_EQ(utf8.status, 0);
    ASSERT_NE(utf8.out.find("\"serial\": \"Кресло №17\""), std::string::npos) << utf8.out;
    ASSERT_TRUE(SetConsoleOutputCP(866));
    Pipe pipe;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE newFile =
        CreateFileW(qm::Wide(file("показ.json")).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                    &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(StartQmconfCli(show, pipe.write(), GetStdHandle(STD_ERROR_HANDLE)), 0);
    EXPECT_EQ(StartQmconfCli(show, newFile, GetStdHandle(STD_ERROR_HANDLE)), 0);
    CloseHandle(newFile);
    const std::string piped = pipe.bytes();
    for (std::string text : {piped, ReadAll(file("показ.json"))}) {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        std::string bytes;
        for (const char c : text)
            if (static_cast<unsigned char>(c) >= 0x80)
                bytes += c;
        EXPECT_EQ(bytes, "") << "pure ASCII, no mark";
        EXPECT_EQ(unescaped(text), utf8.out);
    }
}

// A console's screen, read back as a technician sees it.
class ScreenTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        if (IsSkipped())
            return;
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        screen_ = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                            CONSOLE_TEXTMODE_BUFFER, nullptr);
        ASSERT_NE(screen_, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(SetConsoleScreenBufferSize(screen_, {kWidth, kHeight}));
    }
    void TearDown() override {
        if (screen_ != INVALID_HANDLE_VALUE)
            CloseHandle(screen_);
        ConsoleTest::TearDown();
    }

    std::vector<std::string> shown(const std::vector<std::string>& arguments, int status) {
        DWORD done = 0;
        FillConsoleOutputCharacterW(screen_, L' ', kWidth * kHeight, {0, 0}, &done);
        SetConsoleCursorPosition(screen_, {0, 0});
        EXPECT_EQ(StartQmconfCli(arguments, screen_, screen_), status);
        std::vector<std::string> lines;
        for (SHORT row = 0; row < kHeight; ++row) {
            std::wstring line(kWidth, L' ');
            DWORD read = 0;
            ReadConsoleOutputCharacterW(screen_, line.data(), kWidth, {0, row}, &read);
            line.erase(line.find_last_not_of(L' ') + 1);
            lines.push_back(qm::Utf8(line));
        }
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
        return lines;
    }

    static constexpr SHORT kWidth = 120, kHeight = 100;
    HANDLE screen_ = INVALID_HANDLE_VALUE;
};

TEST_F(ScreenTest, ShowsTheRussianWhateverTheConsolesCodePage) {
    const std::vector<std::string> expected = {
        "шаблон.ini: образ настроек в порядке",
        "нет.ini: не удаётся прочитать",
        "qmconf-cli: 2. Не удаётся открыть нет.ini",
    };
    for (const UINT codePage : {437u, 866u, 1251u, 65001u}) {
        ASSERT_TRUE(SetConsoleOutputCP(codePage));
        EXPECT_EQ(shown(kCheck, 3), expected) << codePage;
        EXPECT_EQ(GetConsoleOutputCP(), codePage);
    }
}

TEST_F(ScreenTest, ShowsAWholeListingAsWritten) {
    ASSERT_TRUE(SetConsoleOutputCP(866));
    const CliRun written = run({"show", "defaults"});
    std::vector<std::string> lines;
    std::istringstream text(written.out);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_GT(lines.size(), 50u);
    EXPECT_EQ(shown({"show", "defaults"}, 0), lines);
}

TEST_F(ConsoleTest, CodePageOfTheShellIsLeftAsItWas) {
    const UINT shells = before_ == 866 ? 437 : 866;
    ASSERT_TRUE(SetConsoleOutputCP(shells));
    EXPECT_EQ(run({"--version"}).status, 0);
    EXPECT_EQ(GetConsoleOutputCP(), shells);
}

} // namespace
} // namespace qmtest
