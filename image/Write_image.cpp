// WriteImage: the settings record to a settings image at a path.
#include "Image_transfer.h"

#include "File.h"
#include "File_replace.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Temp_lock.h"
#include "Write_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace qm {

namespace {

// The longest target whose content is held to be put back.
constexpr std::size_t kMaxPutBack = 1 << 20;

// Reads T into buffer, which holds kImageSize + 1 bytes, so that a text too
// long for the image shows as such. False when T cannot be opened.
bool readTemp(const std::string& temp, std::uint8_t* buffer, std::size_t& n) {
    File file;
    if (!file.open(temp, File::Mode::Read, File::Target::OwnFileOnly))
        return false;
    n = file.read(buffer, kImageSize + 1);
    file.close();
    return true;
}

// What the target held before the store, to be put back should the medium
// not keep the image: its bytes, or that there was no file.
struct OldContent {
    enum class State { NoFile, Bytes, Unknown } state = State::Unknown;
    std::string bytes;
};

OldContent oldContentOf(const std::string& path) {
    OldContent old;
    File file;
    if (!File::isRegular(path)) {
        old.state = File::exists(path) ? OldContent::State::Unknown : OldContent::State::NoFile;
        return old;
    }
    if (!file.open(path, File::Mode::Read))
        return old;
    // A settings image is 2048 bytes; a target far longer is not held to be put back.
    std::string bytes(kMaxPutBack + 1, '\0');
    bytes.resize(file.read(&bytes[0], bytes.size()));
    if (bytes.size() <= kMaxPutBack) {
        old.state = OldContent::State::Bytes;
        old.bytes = std::move(bytes);
    }
    return old;
}

// The target's first kImageSize bytes, read back past the cache as the next
// load (and the board) reads them; nothing when they cannot be read.
std::optional<std::string> readBack(const std::string& path) {
    std::string bytes;
    if (ReadPastCache(path, true, kImageSize, bytes) != ReadBack::Read)
        return std::nullopt;
    bytes.resize(std::min(bytes.size(), kImageSize));
    return bytes;
}

// The target's old content back in its place, checked as the image was.
bool putBack(const std::string& path, const OldContent& old) {
    switch (old.state) {
    case OldContent::State::NoFile:
        return File::remove(path);
    case OldContent::State::Bytes:
        return ReplaceFileContent(path, old.bytes.data(), old.bytes.size()) == Replaced::Done &&
               readBack(path) == old.bytes.substr(0, kImageSize);
    case OldContent::State::Unknown:
        break;
    }
    return false;
}

ImageResult writeTarget(const std::string& path, const std::uint8_t* image) {
    // A device by its kept name gets nothing, and is not even looked at.
    if (File::namesDevice(path))
        return ImageResult::S5;
    const OldContent old = oldContentOf(path);
    // The old image stays whole until the new one is on the medium: a store
    // cut short by a full volume, a pulled board or a killed editor must not
    // cost the chair its settings. Every step counts: a store reported as
    // written must have reached the board, which the technician unplugs as
    // soon as the status line says so.
    switch (ReplaceFileContent(path, image, kImageSize)) {
    case Replaced::Unchanged:
        return ImageResult::S5;
    case Replaced::Damaged:
        return ImageResult::S5Damaged;
    case Replaced::Done:
        break;
    }
    const std::optional<std::string> back = readBack(path);
    if (!back)
        return ImageResult::WrittenUnchecked;
    if (back->size() == kImageSize && std::memcmp(back->data(), image, kImageSize) == 0)
        return ImageResult::Success;
    // A volume that took the bytes but does not hold them: the store fails,
    // and the target gets back what it held.
    return putBack(path, old) ? ImageResult::S5 : ImageResult::S5Damaged;
}

} // namespace

ImageResult WriteImage(const std::string& path, const Settings& record, bool withSerial,
                       MessageSink& messages, const std::function<void()>& beforeTarget) {
    const std::string temp = TempFilePath();
    // Held to the end: another editor's store or load must not replace T
    // between the steps below. Not granted, T cannot be had for the store.
    // When not even the lock file can be made beside T, T cannot be made
    // either, and the store ends as when the writer cannot create T.
    const TempFileLock lock(temp);
    if (lock.state() == TempFileLock::State::Unavailable)
        messages.showMessage(kCannotCreateFile, temp);
    if (lock.state() == TempFileLock::State::Busy)
        return ImageResult::S1Busy;
    if (!lock.held())
        return ImageResult::S1;

    // Whatever an earlier run left in T must not reach the target.
    if (!Write_file(temp, record, withSerial, messages))
        return ImageResult::S1;

    std::uint8_t buffer[kImageSize + 1];
    std::size_t n = 0;
    if (!readTemp(temp, buffer, n))
        return ImageResult::S1;
    if (n < kMinImageText || n > kImageSize)
        return ImageResult::S2;

    const std::string text = ImageText(buffer, n);
    // The checksum digits lengthen the text by up to nine bytes.
    if (text.size() > kImageSize)
        return ImageResult::S2;
    {
        File file;
        if (!file.open(temp, File::Mode::Write, File::Target::OwnFileOnly))
            return ImageResult::S3;
        // A text part cut short in T would go to the board as a broken image.
        const bool written = file.write(text);
        if (!file.close() || !written)
            return ImageResult::S3;
    }

    std::size_t m = 0;
    if (!readTemp(temp, buffer, m))
        return ImageResult::S4;
    if (m != text.size() || std::memcmp(buffer, text.data(), m) != 0)
        return ImageResult::S4;

    // The image as the target is to hold it: the text part as read back, then
    // the padding. A text value holding "CRC=" (a password such as
    // "abCRC=12") stops the load's checksum scan inside that value: such an
    // image could never be read back. Checked before the target is opened,
    // so that the board keeps what it holds.
    std::uint8_t image[kImageSize];
    std::memcpy(image, buffer, m);
    FillPadding(image + m, kImageSize - m);
    if (!CheckImage(image))
        return ImageResult::S2;

    if (beforeTarget)
        beforeTarget();
    return writeTarget(path, image);
}

} // namespace qm
