// Key lookup in INI text, following the rules of the Windows private-profile
// functions, so that files written by other tools and by the board read the
// same here as on Windows.
//
//  - Lines end at LF; a CR right before the LF (or before the end of the text)
//    belongs to the line end.
//  - A section header is a line whose first non-blank character is "["; its
//    name runs to the first "]" or the line end. The first occurrence of a
//    section is the only one searched.
//  - A key line is "key=value", split at its first "="; a line without "=" is
//    no key. A line whose first non-blank character is ";" is a comment.
//  - Section and key names match without regard to ASCII letter case.
//  - Blanks (space, tab, vertical tab) around section names, key names and
//    values are ignored. A value enclosed in a matching pair of double or of
//    single quotation marks loses that pair.
//  - The first occurrence of a key in the section wins.
//  - A value is cut to kMaxIniValue characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Longest value a lookup returns, as with the platform's 2048-byte buffer.
constexpr std::size_t kMaxIniValue = 2047;

// The value of key in section, or nothing when the section has no such key.
// The text is not kept; every call scans it anew.
std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

} // namespace qm
