// Exclusive, unbuffered read of the image source on Windows.
#include "Source_read.h"

#include "Settings_image.h"
#include "platform/Win32Text.h"

#include <windows.h>

#include <chrono>
#include <cstring>

namespace qm {

namespace {

// Used when the volume does not report its sector size: a multiple of both
// sector sizes in use (512 and 4096 bytes), and no smaller than the image.
constexpr DWORD kDefaultTransfer = 4096;

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

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

// Opens without sharing, retrying while another program has the file open
// (a sharing violation) for up to wait.
HANDLE openWithin(const std::wstring& path, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_NO_BUFFERING, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION ||
            std::chrono::steady_clock::now() >= deadline)
            return h;
        Sleep(10);
    }
}

} // namespace

std::size_t ReadSourceExclusive(const std::string& path, std::uint8_t* buffer) {
    std::memset(buffer, 0, kImageSize);
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty())
        return 0;
    // No sharing: fails while another program has the file open, and keeps
    // others out until it is closed.
    const Handle file(openWithin(wide, kSourceLockWait));
    if (file.get() == INVALID_HANDLE_VALUE || GetFileType(file.get()) != FILE_TYPE_DISK)
        return 0;

    const DWORD transfer = transferSize(file.get());
    // Page-aligned, hence aligned to any sector size.
    const PageBlock block(transfer);
    if (block.get() == nullptr)
        return 0;
    DWORD got = 0;
    if (!ReadFile(file.get(), block.get(), transfer, &got, nullptr))
        return 0;
    const std::size_t n = got < kImageSize ? got : kImageSize;
    std::memcpy(buffer, block.get(), n);
    return n;
}

} // namespace qm
