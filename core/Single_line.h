// A text setting is one line of the settings file: "key=value" ends at the
// line end, and the board and our reader take whatever follows a line break
// for a line of its own. So no line break, tab or other control byte may
// stand inside a value.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// What the user most plausibly meant by a text that holds control bytes,
// made one line: of the text's lines (they end at CR, LF or CR LF) the first
// that holds more than blanks, or the first line when none does; in it each
// tab becomes a blank and every other byte below 0x20, and DEL (0x7F), is
// dropped. Bytes from 0x80 up are kept, so the text may be code page 1251 or
// UTF-8 alike. A text without control bytes comes back unchanged.
std::string SingleLine(std::string_view text);

} // namespace qm
