#include "Handle.h"

#include "Native.h"

namespace qm {

bool Handle::close() {
    return !valid() || CloseHandle(native(release())) != 0;
}

} // namespace qm
