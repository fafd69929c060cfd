// The form in which the command line's text reaches a standard stream on
// Windows, chosen so that the Russian reads right wherever the stream leads:
// a console, a file made by cmd's ">", a pipe into find, more or PowerShell.
// The rule alone, without the platform: win32/Console.cpp finds where a
// stream leads and writes in the form chosen here. (On Linux the streams
// carry UTF-8 as they are.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// Where a standard stream leads, as found when it is first written.
struct StreamPlace {
    enum class Kind {
        Console, // a console's screen
        File,    // a file on a disk: cmd's "> file" or ">> file"
        Other,   // a pipe (cmd's "|", PowerShell, for /f), a device such as NUL, or nothing
    };
    Kind kind = Kind::Other;
    bool fileEmpty = true;        // File: nothing in it yet
    std::string fileHead;         // File: its first bytes, when it holds some and they can be read
    unsigned consoleCodePage = 0; // the console's output code page; 0 without a console
    bool consoleShared = false;   // another program is attached to that console (a shell)
    unsigned ansiCodePage = 0;    // the system's ANSI code page
};

// What the caller asked for: UTF-8 text (QMCONF_UTF8=1), and whether the
// stream carries JSON.
struct OutputWish {
    bool utf8 = false;
    bool json = false;
};

struct TextForm {
    enum class Kind {
        ConsoleWide, // the console's wide-character interface, whatever its code page
        Utf16Le,     // what Windows calls "Unicode": Notepad, type and PowerShell read it
        Utf8,
        CodePage, // the single-byte code page codePage
    };
    Kind kind = Kind::Utf8;
    unsigned codePage = 0;  // CodePage
    bool mark = false;      // a byte order mark before the first character
    bool asciiJson = false; // every character beyond ASCII as a \u escape
};

// The rule:
// - a console: its wide-character interface;
// - JSON: UTF-8; pure ASCII, every other character a \u escape, unless UTF-8
//   was asked for, so that any reader decodes it alike, whatever code page it
//   assumes;
// - UTF-8 asked for: UTF-8 without a mark;
// - a new or empty file: UTF-16LE with its byte order mark, which both
//   Notepad (of every Windows) and cmd's type read right;
// - a file added to (">>"): the form of what it holds, by its mark (UTF-16LE
//   or UTF-8); without one, as cmd's own echo writes into it, the pipe's form;
// - a pipe or anything else: the output code page of the console the program
//   shares with its shell, which find, findstr, more, for /f and PowerShell
//   (its [Console]::OutputEncoding) decode with; without a console shared
//   with another program (a process started with no console, or with one of
//   its own, as a remote PowerShell session starts it) the ANSI code page,
//   which such callers decode with.
TextForm FormFor(const StreamPlace& place, const OutputWish& wish);

// JSON text with every character beyond ASCII written as a \u escape (two,
// a surrogate pair, beyond U+FFFF); malformed UTF-8 as \ufffd. Outside its
// strings JSON holds only ASCII, so this changes no JSON value.
std::string AsciiJson(std::string_view utf8);

} // namespace qm
