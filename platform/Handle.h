// An open file, folder or device of the system's: a file descriptor on
// Linux, a HANDLE on Windows. It is closed when its owner goes; -1 (on
// Windows INVALID_HANDLE_VALUE) is none. One implementation per platform
// (linux/Handle.cpp, win32/Handle.cpp).
#pragma once

#include <cstdint>

namespace qm {

class Handle {
public:
    static constexpr std::intptr_t kNone = -1;

    explicit Handle(std::intptr_t native = kNone) : native_(native) {}
    ~Handle() { close(); }
    Handle(Handle&& other) noexcept : native_(other.release()) {}
    Handle& operator=(Handle&& other) noexcept {
        reset(other.release());
        return *this;
    }

    bool valid() const { return native_ != kNone; }
    std::intptr_t get() const { return native_; }
    // Hands the native handle over to the caller, who closes it.
    std::intptr_t release() {
        const std::intptr_t native = native_;
        native_ = kNone;
        return native;
    }
    void reset(std::intptr_t native = kNone) {
        close();
        native_ = native;
    }
    // Closes it; false when the system reported an error. Closing none succeeds.
    bool close();

private:
    std::intptr_t native_;
};

} // namespace qm
