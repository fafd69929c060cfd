// The SOURCEs of a command with their file patterns expanded where the
// platform leaves that to the program (File_patterns.h).
#pragma once

#include <string>
#include <vector>

namespace qm {

// The operands of a command with every SOURCE that is a file expanded in
// place: every operand of show, check and diff, the first of set and copy
// (a DEST, the assignments and the labels of archive are taken as they are).
std::vector<std::string> ExpandSources(const std::string& command,
                                       const std::vector<std::string>& operands);

} // namespace qm
