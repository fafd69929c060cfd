// Waiting a short while for another program to let go of a file: a load, a
// store or a check of the same file takes milliseconds.
#pragma once

#include <chrono>
#include <thread>

namespace qm {

// Runs attempt, and again every 10 ms while it fails, for up to wait; whether
// it succeeded. It runs at least once.
template <class Attempt> bool TryWithin(std::chrono::milliseconds wait, Attempt attempt) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!attempt()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace qm
