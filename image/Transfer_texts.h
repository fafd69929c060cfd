// How each outcome of the image procedures other than plain success reaches
// the user, in the window's own texts: a status text followed by the path of
// the load or store, then a message followed by the path the outcome names
// (the temporary file or the load's or store's own path). The window shows
// them in its status line and a box; the command line writes them to its
// error output. Every failure is a failure case; a store whose target holds
// the image but could not be read back to be checked (WrittenUnchecked) says
// that the settings were written.
#pragma once

#include "Image_transfer.h"

namespace qm {

struct FailureTexts {
    const char* status;  // ends with a blank, before the path of the operation
    const char* message; // ends with a blank; none where the reader has shown its own
    bool namesTempFile;  // the message names T, not the operation's path
    // Put after the path in the status line, where the path alone does not
    // say what happened (another program at work, a store that was not
    // checked, a target not put back); null where there is none.
    const char* statusNote = nullptr;
};

// The texts of an outcome; null for Success.
const FailureTexts* FailureTextsOf(ImageResult result);

} // namespace qm
