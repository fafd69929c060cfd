// Exclusive, unbuffered read of the image source on Windows.
#include "Source_read.h"

#include "File.h"
#include "Native.h"
#include "Utf16.h"
#include "Wait.h"

#include <memory>

namespace qm {

namespace {

// Used when the volume does not report its sector size: a multiple of both
// sector sizes in use (512 and 4096 bytes).
constexpr DWORD kDefaultTransfer = 4096;

// An unbuffered read must be a whole number of the volume's sectors: a
// 4096-byte-sector device refuses a 2048-byte request. Sector sizes are
// powers of two, so the larger of the two is a multiple of the smaller.
DWORD transferSize(HANDLE h) {
    FILE_STORAGE_INFO info{};
    if (!GetFileInformationByHandleEx(h, FileStorageInfo, &info, sizeof info))
        return kDefaultTransfer;
    const DWORD sector = info.LogicalBytesPerSector;
    const bool powerOfTwo = sector != 0 && (sector & (sector - 1)) == 0;
    if (!powerOfTwo || sector > 65536)
        return kDefaultTransfer;
    return sector > kDefaultTransfer ? sector : kDefaultTransfer;
}

} // namespace

ReadBack ReadPastCache(const std::string& path, bool shared, std::size_t size, std::string& bytes) {
    // A source is read without sharing: it fails while another program has
    // the file open, and keeps others out until it is closed. A target is
    // shared with whoever may hold it: only the bytes matter there.
    const DWORD share = shared ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0;
    const std::wstring wide = Wide(path);
    // A serial port opened to be read can keep the read waiting for ever.
    if (wide.empty() || File::namesDevice(path))
        return ReadBack::Failed;
    // Another program that has the file open in a way that refuses the
    // sharing given (a sharing violation) is waited for.
    Handle file;
    const bool held = !TryWithin(kSourceLockWait, [&] {
        file = owned(CreateFileW(wide.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_NO_BUFFERING, nullptr));
        return file.valid() || GetLastError() != ERROR_SHARING_VIOLATION;
    });
    if (!file.valid())
        return held ? ReadBack::Held : ReadBack::Failed;
    if (GetFileType(native(file)) != FILE_TYPE_DISK)
        return ReadBack::Failed;

    // Whole sectors, at least the bytes asked for, into a block aligned to a
    // sector.
    const DWORD sector = transferSize(native(file));
    const DWORD transfer = static_cast<DWORD>((size / sector + 1) * sector);
    std::string space(transfer + sector, '\0');
    void* block = &space[0];
    std::size_t room = space.size();
    std::align(sector, transfer, block, room);
    DWORD got = 0;
    if (!ReadFile(native(file), block, transfer, &got, nullptr))
        return ReadBack::Failed;
    bytes.assign(static_cast<const char*>(block), got);
    return ReadBack::Read;
}

} // namespace qm
