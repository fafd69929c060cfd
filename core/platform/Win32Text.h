// UTF-8 <-> UTF-16 for the Win32 wide-character calls (Windows builds only).
#pragma once

#include <string>

namespace qm {

// Empty on malformed UTF-8.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

} // namespace qm
