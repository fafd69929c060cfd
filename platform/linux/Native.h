// The Linux side of the platform layer's own types, for its linux/ units.
#pragma once

#include "Handle.h"

namespace qm {

inline int fd(const Handle& h) {
    return static_cast<int>(h.get());
}

} // namespace qm
