#include "Places.h"

#include "Board_archive.h"
#include "Board_volumes.h"
#include "File.h"
#include "Image_transfer.h"
#include "Set_def.h"
#include "Settings.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Transfer_texts.h"
#include "Write_file.h"

#include <cstdint>
#include <functional>

namespace qm {

namespace {

constexpr const char kProgram[] = "qmconf-cli: ";

// The path of set.ini on the board; empty after the discovery's message.
std::string boardPath(ErrorOutput& errors) {
    const std::string path = FindDevicePath(*BoardVolumes(), errors);
    return path == kNoDevice ? std::string() : path;
}

void reportFailure(ImageResult result, const std::string& path, ErrorOutput& errors) {
    const FailureTexts* texts = FailureTextsOf(result);
    if (!texts)
        return;
    errors.stream() << kProgram << texts->status << path
                    << (texts->statusNote ? texts->statusNote : "") << '\n';
    if (texts->message)
        errors.showMessage(texts->message, texts->namesTempFile ? TempFilePath() : path);
}

} // namespace

void ErrorOutput::showMessage(const std::string& text, const std::string& path) {
    std::string line = text + path;
    // The texts end with a blank before their path; without one it goes.
    if (path.empty() && !line.empty() && line.back() == ' ')
        line.pop_back();
    err_ << kProgram << line << '\n';
}

Place PlaceOf(const std::string& word) {
    if (word == "board")
        return {Place::Kind::Board, {}};
    if (word == "defaults")
        return {Place::Kind::Defaults, {}};
    return {Place::Kind::File, word};
}

ImageProbe ProbeImage(const std::string& path) {
    ImageProbe probe;
    std::uint8_t buffer[kImageSize];
    probe.size = ReadSourceExclusive(path, buffer);
    probe.bytes.assign(reinterpret_cast<const char*>(buffer), probe.size);
    if (probe.size >= kMinImageText) {
        probe.state =
            CheckImage(buffer) ? ImageProbe::State::Valid : ImageProbe::State::BadChecksum;
    } else if (probe.size > 0) {
        probe.state = ImageProbe::State::TooShort;
    } else {
        // Nothing read: an empty file is no image; anything else could not
        // be read (missing, no permission, held by another program).
        File file;
        char byte;
        const bool empty =
            File::isRegular(path) && file.open(path, File::Mode::Read) && file.read(&byte, 1) == 0;
        probe.state = empty ? ImageProbe::State::TooShort : ImageProbe::State::Unreadable;
    }
    return probe;
}

std::string TooShortText(const std::string& path, std::size_t size) {
    return path + ": " + std::to_string(size) +
           " байт, а образ настроек занимает от 512 до 2048 байт";
}

bool LabelIsBlank(const Settings& record) {
    return static_cast<unsigned char>(record.serial[0]) == kBlankSerialMarker;
}

Loaded LoadSource(const Place& source, ErrorOutput& errors) {
    Loaded loaded;
    if (source.kind == Place::Kind::Defaults) {
        Set_def();
        loaded.state = Loaded::State::Loaded;
        return loaded;
    }
    loaded.path = source.kind == Place::Kind::Board ? boardPath(errors) : source.path;
    if (loaded.path.empty())
        return loaded;

    std::string image;
    const ImageResult result = ReadImage(loaded.path, errors, &image);
    if (result == ImageResult::Success) {
        if (source.kind == Place::Kind::Board)
            BoardArchive().keepRead(image);
        loaded.state = Loaded::State::Loaded;
        return loaded;
    }
    if (result == ImageResult::L1) {
        const ImageProbe probe = ProbeImage(loaded.path);
        if (probe.state == ImageProbe::State::TooShort) {
            errors.stream() << kProgram << TooShortText(loaded.path, probe.size) << '\n';
            loaded.state = Loaded::State::TooShort;
            return loaded;
        }
    }
    reportFailure(result, loaded.path, errors);
    if (result == ImageResult::L2)
        loaded.state = Loaded::State::BadChecksum;
    return loaded;
}

int StoreDestination(const Place& destination, SerialEntry& entry, std::ostream& out,
                     ErrorOutput& errors) {
    std::string path = destination.path;
    std::function<void()> keepBoard;
    if (destination.kind == Place::Kind::Board) {
        path = boardPath(errors);
        if (path.empty())
            return kExitAccess;
        // What the board holds when the store writes it is about to be lost.
        keepBoard = [&path] { BoardArchive().keepBeforeWrite(path); };
    }
    ImageResult result;
    try {
        result = WriteImage(path, entry, errors, keepBoard);
    } catch (const WriteError& error) {
        errors.stream() << kProgram << error.what() << '\n';
        return kExitAccess;
    }
    if (result != ImageResult::Success) {
        reportFailure(result, path, errors);
        return kExitAccess;
    }
    out << "Настройки записаны в " << path << '\n';
    return kExitOk;
}

} // namespace qm
