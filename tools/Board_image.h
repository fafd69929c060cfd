// What the board stand-in puts on its volume.
#pragma once

#include <string>

namespace qmboard {

// The ID value of a board that has not been given a serial label yet.
constexpr const char* kBlankId = "\xFF";

// The ID value that qmboard writes unless told otherwise.
constexpr const char* kDemoLabel = "QM 1.2.3.4.5";

// set.ini as the board holds it: the 2048-byte settings image of the factory
// defaults with the line "ID=" + id (code page 1251) after the section header.
std::string BoardSettingsImage(const std::string& id);

} // namespace qmboard
