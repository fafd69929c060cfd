// How the outcome of a load or a store reaches the user, in the window's own
// texts: a status text followed by the path of the load or store (and, where
// the path alone does not say what happened, a note), then for a failure a
// message followed by the path the outcome names (the temporary file or the
// load's or store's own path). The window shows them in its status line and
// a box; the command line writes them to its output and error output. Every
// failure is a failure case; a store whose target holds the image but could
// not be read back to be checked (WrittenUnchecked) says that the settings
// were written.
#pragma once

#include "Image_transfer.h"

#include <string>
#include <string_view>

namespace qm {

enum class Transfer { Load, Store };

// "Идёт чтение из " or "Идёт запись в ", then the path.
std::string ProgressText(Transfer transfer, const std::string& path);

struct TransferOutcome {
    std::string status; // "Настройки записаны в P", "Ошибка при чтении P" ...
    const char* message = nullptr; // ends with a blank; none after a success, or where
                                   // the reader has shown its own
    std::string messagePath;       // the path the message names
};

// How a caller writes a path into a status text (the command line escapes
// control characters); the window writes it as it stands.
using PathText = std::string (*)(std::string_view path);

// The texts of a load's or a store's outcome at path.
TransferOutcome OutcomeOf(Transfer transfer, ImageResult result, const std::string& path,
                          PathText shown = nullptr);

} // namespace qm
