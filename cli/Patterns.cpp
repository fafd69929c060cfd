#include "Patterns.h"

#include "File_patterns.h"
#include "Places.h"

namespace qm {

std::vector<std::string> ExpandSources(const std::string& command,
                                       const std::vector<std::string>& operands) {
    const std::size_t sources = command == "show" || command == "check" || command == "diff"
                                    ? operands.size()
                                : command == "set" || command == "copy" ? 1
                                                                        : 0;
    std::vector<std::string> expanded;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (i < sources && PlaceOf(operands[i]).kind == Place::Kind::File) {
            for (std::string& file : ExpandPattern(operands[i]))
                expanded.push_back(std::move(file));
        } else {
            expanded.push_back(operands[i]);
        }
    }
    return expanded;
}

} // namespace qm
