#include "Exfat_volumes.h"

#include <cstdlib>
#include <sstream>

namespace qmtest {

struct ExfatVolumes::Mounted {};

ExfatVolumes::ExfatVolumes(const std::string&) {
    const char* drives = std::getenv("QMCONF_TEST_FULL_DRIVES");
    if (drives == nullptr || *drives == '\0') {
        why = "no exFAT drives mapped (QMCONF_TEST_FULL_DRIVES)";
        return;
    }
    std::istringstream words(drives);
    std::string word;
    while (words >> word)
        if (word.size() > 2 && word[1] == ':')
            volumes.push_back(
                {word.substr(0, 2) + "\\", static_cast<unsigned>(std::stoul(word.substr(2)))});
}

ExfatVolumes::~ExfatVolumes() = default;

} // namespace qmtest
