// How each failure of the image procedures reaches the user, in the window's
// own texts: a status text followed by the path of the load or store, then a
// message followed by the path the failure names (the temporary file or the
// load's or store's own path). The window shows them in its status line and a
// box; the command line writes them to its error output.
#pragma once

#include "Image_transfer.h"

namespace qm {

struct FailureTexts {
    const char* status;  // ends with a blank, before the path of the operation
    const char* message; // ends with a blank; none where the reader has shown its own
    bool namesTempFile;  // the message names T, not the operation's path
    // Put after the path in the status line, where the failure is no fault
    // of the place but another program at work; null where there is none.
    const char* statusNote = nullptr;
};

// The texts of a failure case; null for Success.
const FailureTexts* FailureTextsOf(ImageResult result);

} // namespace qm
