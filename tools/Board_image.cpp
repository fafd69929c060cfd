#include "Board_image.h"

#include "Set_def.h"
#include "Settings_image.h"
#include "Write_file.h"

namespace qmboard {

std::string BoardSettingsImage(const std::string& id) {
    std::string text = qm::SettingsFileText(qm::Set_def(), false);
    const std::string header = "[SYSTEM]\r\n";
    text.insert(header.size(), "ID=" + id + "\r\n");
    return qm::ComposeImage(text);
}

} // namespace qmboard
