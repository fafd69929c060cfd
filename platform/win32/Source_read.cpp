// Exclusive, unbuffered read of the image source on Windows.
#include "Source_read.h"

#include "File.h"
#include "Native.h"
#include "Utf16.h"

#include <chrono>
#include <cstring>

namespace qm {

namespace {

// Used when the volume does not report its sector size: a multiple of both
// sector sizes in use (512 and 4096 bytes).
constexpr DWORD kDefaultTransfer = 4096;

class PageBlock {
public:
    explicit PageBlock(DWORD size)
        : p_(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~PageBlock() {
        if (p_ != nullptr)
            VirtualFree(p_, 0, MEM_RELEASE);
    }
    PageBlock(const PageBlock&) = delete;
    PageBlock& operator=(const PageBlock&) = delete;
    void* get() const { return p_; }

private:
    void* p_;
};

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

// Opens with the sharing given, retrying while another program has the file
// open in a way that refuses it (a sharing violation) for up to wait.
HANDLE openWithin(const std::wstring& path, DWORD share, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_NO_BUFFERING, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION ||
            std::chrono::steady_clock::now() >= deadline)
            return h;
        Sleep(10);
    }
}

// Reads the first bytes of the file past the cache; false when it cannot be
// opened within the wait (held set when another program held it) or read.
bool readPastCache(const std::string& path, DWORD share, std::uint8_t* buffer, std::size_t size,
                   std::size_t& n, bool& held) {
    n = 0;
    held = false;
    std::memset(buffer, 0, size);
    const std::wstring wide = Wide(path);
    // A serial port opened to be read can keep the read waiting for ever.
    if (wide.empty() || File::namesDevice(path))
        return false;
    const Handle file = owned(openWithin(wide, share, kSourceLockWait));
    if (!file.valid()) {
        held = GetLastError() == ERROR_SHARING_VIOLATION;
        return false;
    }
    if (GetFileType(native(file)) != FILE_TYPE_DISK)
        return false;

    // Whole sectors, at least the bytes asked for.
    const DWORD sector = transferSize(native(file));
    const DWORD transfer = static_cast<DWORD>((size / sector + 1) * sector);
    // Page-aligned, hence aligned to any sector size.
    const PageBlock block(transfer);
    if (block.get() == nullptr)
        return false;
    DWORD got = 0;
    if (!ReadFile(native(file), block.get(), transfer, &got, nullptr))
        return false;
    n = got < size ? got : size;
    std::memcpy(buffer, block.get(), n);
    return true;
}

} // namespace

std::size_t ReadSourceExclusive(const std::string& path, std::uint8_t* buffer, std::size_t size) {
    // No sharing: fails while another program has the file open, and keeps
    // others out until it is closed.
    std::size_t n = 0;
    bool held = false;
    return readPastCache(path, 0, buffer, size, n, held) ? n : 0;
}

ReadBack ReadTargetBack(const std::string& path, std::uint8_t* buffer, std::size_t size,
                        std::size_t& n) {
    // Shared with whoever may hold the file: only the bytes matter here.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    bool held = false;
    if (readPastCache(path, share, buffer, size, n, held))
        return ReadBack::Read;
    return held ? ReadBack::Held : ReadBack::Failed;
}

} // namespace qm
