// ReadImage: the settings record held by a settings image at a path.
#include "Image_transfer.h"

#include "File.h"
#include "Read_file.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Temp_lock.h"

#include <cstdint>
#include <optional>

namespace qm {

namespace {

ImageRead failed(ImageResult result, std::string bytes = {}) {
    return {result, Settings{}, std::move(bytes)};
}

} // namespace

ImageRead ReadImage(const std::string& path, MessageSink& messages) {
    const std::string temp = TempFilePath();
    // Held to the end, from before the source is read: the source may be T
    // itself, which another editor's store must not change meanwhile. Not
    // granted, T cannot be had for the load.
    const TempFileLock lock(temp);
    if (lock.state() == TempFileLock::State::Busy)
        return failed(ImageResult::L3Busy);
    if (!lock.held())
        return failed(ImageResult::L3);

    std::uint8_t buffer[kImageSize];
    const std::size_t n = ReadSourceExclusive(path, buffer, kImageSize);
    if (n < kMinImageText)
        return failed(ImageResult::L1);
    const std::string bytes(reinterpret_cast<const char*>(buffer), n);
    if (!CheckImage(buffer))
        return failed(ImageResult::L2, bytes);

    {
        File file;
        if (!file.open(temp, File::Mode::Write, File::Target::OwnFileOnly))
            return failed(ImageResult::L3);
        // A copy cut short would be read as a settings file with keys
        // missing, filling the record with defaults without a word.
        const bool written = file.write(buffer, n);
        if (!file.close() || !written)
            return failed(ImageResult::L3);
    }
    const std::optional<Settings> record = Read_file(temp, messages, File::Target::OwnFileOnly);
    if (!record)
        return failed(ImageResult::L4);
    return {ImageResult::Success, *record, bytes};
}

} // namespace qm
