// The Windows side of the platform layer's own types, for its win32/ units.
#pragma once

#include "Handle.h"

#include <windows.h>

#include <functional>
#include <string>

namespace qm {

inline HANDLE native(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}
inline HANDLE native(const Handle& h) {
    return native(h.get());
}
inline Handle owned(HANDLE h) {
    return Handle(reinterpret_cast<std::intptr_t>(h));
}

// Writes size bytes at the handle's position: the count that went in, all of
// them unless a write failed or took none.
std::size_t WriteAll(HANDLE h, const void* data, std::size_t size);

// The text a call of the wide API writes into a buffer of the size it is
// given: call returns its length, or the size it needs when that is more,
// or 0 when it fails; asked again in a buffer of that size. Empty when it
// fails.
std::wstring GrownText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& call);

// The path of an open file or folder as the system resolves it (a link
// followed, "\\?\" in front); empty when it cannot tell.
std::wstring FinalPath(HANDLE h);

} // namespace qm
