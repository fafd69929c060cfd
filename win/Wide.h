// Texts between the form (UTF-8) and the wide Windows API (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace qm {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

} // namespace qm
