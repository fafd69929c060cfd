// How core code reaches the user.
#pragma once

#include <string>

namespace qm {

// Shows one modal message: a fixed text (UTF-8; it ends with a blank) followed
// directly by a path. The window implements it with a message box; tests
// record the calls. Implementations must not throw.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text, const std::string& path) = 0;
};

} // namespace qm
