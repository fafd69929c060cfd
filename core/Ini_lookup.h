// Key lookup in INI text, following the rules of the Windows private-profile
// functions, so that files written by other tools and by the board read the
// same here as on Windows.
//
//  - A line ends at CR or at LF; a run of them ends one line.
//  - Blanks are space, tab, vertical tab, form feed and Ctrl-Z; those at the
//    ends of a line, of a section name, of a key name and before a value are
//    ignored.
//  - A section header is a line whose first non-blank character is "[" and
//    that holds a "]" after it; its name runs to the last "]". A line starting
//    with "[" without a "]" is no header: it is read as a key line of the
//    section it stands in. The first occurrence of a section is the only one
//    searched.
//  - Every other line is a key line: "key=value", split at its first "=". A
//    line without "=" is a key without a value: it matches its name all the
//    same, so a lookup that meets it first gives nothing. There are no
//    comment lines; a line such as ";SET01=x" is the key ";SET01".
//  - Section and key names match without regard to ASCII letter case.
//  - A zero byte ends the name or the value that holds it.
//  - A value enclosed in a matching pair of double or of single quotation
//    marks loses that pair.
//  - The first occurrence of a key in the section wins.
//  - A value is cut to kMaxIniValue characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Longest value a lookup returns, as with the platform's 2048-byte buffer.
constexpr std::size_t kMaxIniValue = 2047;

// The value of key in section, or nothing when the section has no such key
// or the key has no "=". The text is not kept; every call scans it anew.
std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

// One line of a section that names a key.
struct IniKeyLine {
    bool hasValue = false; // the line has an "="
    // The value as the line holds it: blanks before it dropped and a pair of
    // quotation marks around it taken off, but whole past a zero byte and
    // past kMaxIniValue characters.
    std::string held;
    std::string read; // what a lookup reads of it (IniValue's rules)
};

// Every line of the section's first occurrence that names key, in order; the
// first is the one IniValue reads. What a source holds, against what is read.
std::vector<IniKeyLine> IniKeyLines(std::string_view text, std::string_view section,
                                    std::string_view key);

} // namespace qm
