#include "Console.h"

#include "Native.h"
#include "Output_form.h"
#include "Utf16.h"

#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <streambuf>
#include <string_view>

namespace qm {

namespace {

// Text waiting beyond this is written before more is taken.
constexpr std::size_t kWaitingLimit = 16 * 1024;
// Wide characters a console is handed in one call: old consoles refuse
// larger writes.
constexpr std::size_t kConsoleChunk = 8 * 1024;

// The first bytes of the file a handle writes, read through a handle of our
// own so that the file's position, shared with the shell, stays where it is.
std::string headOf(HANDLE handle) {
    const Handle reader = owned(ReOpenFile(
        handle, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0));
    char head[3];
    DWORD read = 0;
    if (!reader.valid() || !ReadFile(native(reader), head, sizeof head, &read, nullptr))
        read = 0;
    return std::string(head, read);
}

// The folder and name of the file a handle writes, without "\\?\".
std::wstring pathOf(HANDLE handle) {
    const std::wstring path = FinalPath(handle);
    return path.compare(0, 4, L"\\\\?\\") == 0 ? path.substr(4) : path;
}

bool sameText(std::wstring_view a, std::wstring_view b) { // letter case aside
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Wine's cmd carries a pipe through a file of its own, CMD<hex digits>.tmp in
// the temporary folder, which the next command reads as it would the pipe.
bool pipeFile(HANDLE handle) {
    const std::wstring path = pathOf(handle);
    const std::size_t cut = path.find_last_of(L'\\') + 1;
    const std::wstring_view name = std::wstring_view(path).substr(cut);
    if (cut == 0 || name.size() < 8 || name.size() > 11 || !sameText(name.substr(0, 3), L"CMD") ||
        !sameText(name.substr(name.size() - 4), L".tmp") ||
        name.substr(3, name.size() - 7).find_first_not_of(L"0123456789abcdefABCDEF") !=
            std::wstring_view::npos)
        return false;
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, temp);
    const DWORD m = n > 0 && n < MAX_PATH ? GetLongPathNameW(temp, longTemp, MAX_PATH) : 0;
    return m > 0 && m < MAX_PATH && sameText(std::wstring_view(path).substr(0, cut), longTemp);
}

// What the program's other standard stream has written to a file so far:
// its bytes in all and the first of them.
struct Written {
    unsigned long long bytes = 0;
    std::string head;
};

StreamPlace placeOf(HANDLE handle, const Written& other) {
    StreamPlace place;
    place.ansiCodePage = GetACP();
    place.consoleCodePage = GetConsoleOutputCP(); // 0 without a console
    DWORD processes[2];
    place.consoleShared = place.consoleCodePage != 0 && GetConsoleProcessList(processes, 2) >= 2;
    const DWORD type = GetFileType(handle);
    DWORD mode = 0;
    if (type == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode)) {
        place.kind = StreamPlace::Kind::Console;
    } else if (type == FILE_TYPE_DISK && !pipeFile(handle)) {
        place.kind = StreamPlace::Kind::File;
        LARGE_INTEGER size{};
        place.fileEmpty = GetFileSizeEx(handle, &size) && size.QuadPart == 0;
        if (!place.fileEmpty)
            place.fileHead = headOf(handle);
        // A file that cannot be read back but holds just what the other
        // stream wrote is the one it writes ("> file 2>&1" of a Linux shell
        // under Wine gives such handles).
        if (!place.fileEmpty && place.fileHead.empty() && other.bytes > 0 &&
            static_cast<unsigned long long>(size.QuadPart) == other.bytes)
            place.fileHead = other.head;
    }
    return place;
}

// Both handles write one file (cmd's "> file 2>&1"): one form, one mark.
bool sameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION x, y;
    return GetFileType(a) == FILE_TYPE_DISK && GetFileType(b) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(a, &x) && GetFileInformationByHandle(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

bool utf8Asked() {
    wchar_t value[4];
    const DWORD n = GetEnvironmentVariableW(L"QMCONF_UTF8", value, 4);
    return n == 1 && value[0] == L'1';
}

// The form of one place, chosen when the first text reaches it.
struct Decision {
    OutputWish wish;
    std::optional<TextForm> form;
};

std::string narrowed(const std::wstring& wide, unsigned codePage) {
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                            n, nullptr, nullptr);
    return bytes;
}

// The bytes of a text in a form other than the console's, with Windows' line ends.
std::string encoded(std::string_view utf8, const TextForm& form) {
    std::wstring wide;
    for (const wchar_t c : Wide(utf8)) {
        if (c == L'\n')
            wide += L'\r';
        wide += c;
    }
    switch (form.kind) {
    case TextForm::Kind::Utf16Le: {
        std::string bytes = form.mark ? "\xFF\xFE" : "";
        for (const wchar_t c : wide) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
        }
        return bytes;
    }
    case TextForm::Kind::CodePage:
        return narrowed(wide, form.codePage);
    case TextForm::Kind::Utf8:
    case TextForm::Kind::ConsoleWide:
        break;
    }
    return Utf8(wide);
}

bool writeConsole(HANDLE handle, const std::wstring& wide) {
    std::size_t done = 0;
    while (done < wide.size()) {
        std::size_t chunk = std::min(kConsoleChunk, wide.size() - done);
        // A surrogate pair stays in one write.
        if (chunk < wide.size() - done && wide[done + chunk - 1] >= 0xD800 &&
            wide[done + chunk - 1] <= 0xDBFF)
            --chunk;
        DWORD written = 0;
        if (!WriteConsoleW(handle, wide.data() + done, static_cast<DWORD>(chunk), &written,
                           nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

// One standard stream: takes UTF-8 and writes whole characters in the form
// of the place it leads to.
class Sink : public std::streambuf {
public:
    Sink(HANDLE handle, bool json, Decision& decision, Written& written, const Written& other)
        : handle_(handle), json_(json), decision_(decision), written_(written), other_(other) {}

    bool emit(bool all) {
        const std::size_t n = all ? waiting_.size() : WholeUtf8(waiting_);
        if (n == 0)
            return !failed_;
        const std::string text = waiting_.substr(0, n);
        waiting_.erase(0, n);
        if (failed_)
            return false;
        if (!decision_.form)
            decision_.form = FormFor(placeOf(handle_, other_), decision_.wish);
        TextForm form = *decision_.form;
        decision_.form->mark = false; // one mark, before the first text of the place
        if (form.kind == TextForm::Kind::ConsoleWide) {
            failed_ = !writeConsole(handle_, Wide(text));
            return !failed_;
        }
        const std::string bytes = encoded(json_ && form.asciiJson ? AsciiJson(text) : text, form);
        failed_ = WriteAll(handle_, bytes.data(), bytes.size()) != bytes.size();
        if (written_.head.size() < 3)
            written_.head += bytes.substr(0, 3 - written_.head.size());
        written_.bytes += bytes.size();
        return !failed_;
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        waiting_ += traits_type::to_char_type(c);
        return waiting_.size() < kWaitingLimit || emit(false) ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override {
        waiting_.append(s, static_cast<std::size_t>(n));
        return waiting_.size() < kWaitingLimit || emit(false) ? n : 0;
    }

    int sync() override { return emit(false) ? 0 : -1; }

private:
    HANDLE handle_;
    bool json_;
    Decision& decision_;
    Written& written_;
    const Written& other_;
    std::string waiting_;
    bool failed_ = false;
};

} // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!wide)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

struct Terminal::Streams {
    Streams(bool json, HANDLE outHandle, HANDLE errHandle, bool shared)
        : outDecision{{utf8Asked(), json}, {}}, errDecision{{utf8Asked(), false}, {}},
          outSink(outHandle, json, outDecision, outWritten, errWritten),
          errSink(errHandle, false, shared ? outDecision : errDecision, errWritten, outWritten),
          out(&outSink), err(&errSink) {
        err.tie(&out);
        err.setf(std::ios::unitbuf);
    }

    Decision outDecision, errDecision;
    Written outWritten, errWritten;
    Sink outSink, errSink;
    std::ostream out, err;
};

Terminal::Terminal(bool json) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
    streams_ = std::make_unique<Streams>(json, out, err, sameFile(out, err));
}

Terminal::~Terminal() {
    streams_->out.flush();
    streams_->outSink.emit(true);
    streams_->errSink.emit(true);
}

std::ostream& Terminal::out() {
    return streams_->out;
}

std::ostream& Terminal::err() {
    return streams_->err;
}

} // namespace qm
