// Settings as the command line writes them: JSON literals, which serve both
// the JSON output and the text output (a text in double quotes, with every
// control character escaped, so that nothing a board holds can act on the
// terminal).
#pragma once

#include "Setting_rules.h"
#include "Settings.h"

#include <string>
#include <string_view>

namespace qm {

// A JSON string of UTF-8 text: in double quotes; the quotation mark, the
// backslash, the C0 and C1 control characters and DEL escaped.
std::string JsonString(std::string_view utf8);

// A path as the command line prints it: as it stands, or, when it holds a
// control character that could act on the terminal, as a JSON string.
std::string ShownPath(std::string_view utf8);

// Whether a setting's value is a text (a string in JSON) rather than a number.
bool IsTextSetting(const SettingRule& rule);

// A value as given or as a source holds it (UTF-8), escaped as values are: as
// it stands where it is a number as a script writes it (DecimalNumber) for a
// number setting, anything else as a JSON string; rule is null for SET99.
std::string WrittenLiteral(const SettingRule* rule, const std::string& utf8);

// A setting of a record as a JSON literal: its digits, or its text (code
// page 1251 in the record) as a UTF-8 string.
std::string ValueLiteral(const SettingRule& rule, const Settings& record);

// The serial label of a record in UTF-8, up to its terminating zero.
std::string LabelText(const Settings& record);

} // namespace qm
