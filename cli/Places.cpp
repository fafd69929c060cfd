#include "Places.h"

#include "Board_road.h"
#include "Board_volumes.h"
#include "File.h"
#include "Read_file.h"
#include "Set_def.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Strict_values.h"
#include "Transfer_texts.h"
#include "Values.h"
#include "Write_file.h"

#include <cstdint>
#include <vector>

namespace qm {

namespace {

constexpr const char kProgram[] = "qmconf-cli: ";

// A root as given and as listed alike: no separator at its end, a drive
// letter in either case.
std::string rootKey(std::string root) {
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\'))
        root.pop_back();
    if (root.size() == 2 && root[1] == ':' && root[0] >= 'a' && root[0] <= 'z')
        root[0] = static_cast<char>(root[0] - 'a' + 'A');
    return root;
}

// A failure as the window reports it: its status text, then its message.
void reportFailure(Transfer transfer, ImageResult result, const std::string& path,
                   ErrorOutput& errors) {
    const TransferOutcome outcome = OutcomeOf(transfer, result, path, ShownPath);
    errors.stream() << kProgram << outcome.status << '\n';
    if (outcome.message)
        errors.showMessage(outcome.message, outcome.messagePath);
}

Medium mediumOf(const Place& place) {
    return place.kind == Place::Kind::Board ? Medium::Board : Medium::File;
}

} // namespace

void ErrorOutput::showMessage(const std::string& text, const std::string& path) {
    std::string line = text + ShownPath(path);
    // The texts end with a blank before their path; without one it goes.
    if (path.empty() && !line.empty() && line.back() == ' ')
        line.pop_back();
    err_ << kProgram << line << '\n';
}

Place PlaceOf(const std::string& word) {
    if (word == "board")
        return {Place::Kind::Board, {}};
    if (word.compare(0, 6, "board:") == 0 && word.size() > 6)
        return {Place::Kind::Board, word.substr(6)};
    if (word == "defaults")
        return {Place::Kind::Defaults, {}};
    return {Place::Kind::File, word};
}

ImageProbe ProbeImage(const std::string& path) {
    ImageProbe probe;
    std::uint8_t buffer[kImageSize];
    probe.size = ReadSourceExclusive(path, buffer, kImageSize);
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

std::string SettingsPath(const Place& place, ErrorOutput& errors) {
    if (place.kind != Place::Kind::Board)
        return place.path;
    const std::vector<Board> boards = FindBoards(*BoardVolumes());
    if (!place.path.empty()) {
        for (const Board& found : boards)
            if (rootKey(found.root) == rootKey(place.path))
                return found.settingsPath;
        errors.stream() << kProgram << ShownPath(place.path)
                        << ": здесь нет платы (тома с серийным номером C208-9526)\n";
        return {};
    }
    if (boards.size() == 1)
        return boards[0].settingsPath;
    if (boards.empty()) {
        errors.showMessage(kNoBoardMessage, "");
        return {};
    }
    // Which of them is meant is for the technician to say, not for the order
    // of the drives.
    errors.stream() << kProgram << "подключено несколько плат:";
    for (const Board& found : boards)
        errors.stream() << ' ' << ShownPath(found.root);
    errors.stream() << "\n"
                    << kProgram << "укажите одну: board:" << ShownPath(boards[0].root) << '\n';
    return {};
}

std::string TooShortText(const std::string& path, std::size_t size) {
    return ShownPath(path) + ": " + std::to_string(size) +
           " байт, а образ настроек занимает от 512 до 2048 байт";
}

Loaded LoadSource(const Place& source, ErrorOutput& errors) {
    Loaded loaded;
    if (source.kind == Place::Kind::Defaults) {
        // The defaults give the record a label, but no image made of them holds one.
        loaded.record = Set_def();
        loaded.state = Loaded::State::Loaded;
        return loaded;
    }
    const std::string path = SettingsPath(source, errors);
    if (path.empty())
        return loaded;

    ImageRead read = BoardRoad(BoardVolumes).load(path, mediumOf(source), errors);
    if (read.result == ImageResult::L1) {
        const ImageProbe probe = ProbeImage(path);
        if (probe.state == ImageProbe::State::TooShort) {
            errors.stream() << kProgram << TooShortText(path, probe.size) << '\n';
            loaded.state = Loaded::State::TooShort;
            return loaded;
        }
    }
    if (read.result != ImageResult::Success)
        reportFailure(Transfer::Load, read.result, path, errors);
    if (read.result == ImageResult::Success || read.result == ImageResult::L2) {
        // An image whose checksum fails is shown all the same, as it reads.
        const bool valid = read.result == ImageResult::Success;
        loaded.state = valid ? Loaded::State::Loaded : Loaded::State::BadChecksum;
        loaded.record = valid ? read.record : ReadSettingsText(read.bytes);
        loaded.label = SerialLabelIn(read.bytes).kind;
        loaded.image = std::move(read.bytes);
    }
    return loaded;
}

int StoreDestination(const Place& destination, const Settings& record, bool withSerial,
                     bool keepOld, std::ostream& out, ErrorOutput& errors) {
    const std::string refusal = RecordRefusal(record, withSerial);
    if (!refusal.empty()) {
        errors.stream() << kProgram << refusal << "; ничего не записано\n";
        return kExitFinding;
    }
    const std::string path = SettingsPath(destination, errors);
    if (destination.kind == Place::Kind::Board && path.empty())
        return kExitAccess;
    BoardRoad road(BoardVolumes, keepOld ? OldImage::MustBeKept : OldImage::KeptIfPossible);
    ImageResult result;
    try {
        result = road.store(path, mediumOf(destination), record, withSerial, errors);
    } catch (const WriteError& error) {
        errors.stream() << kProgram << error.what() << '\n';
        return kExitAccess;
    } catch (const BoardNotKept&) {
        const std::string archive = road.archive().path();
        errors.stream() << kProgram << "прежний образ платы не удаётся сохранить в архиве плат "
                        << (archive.empty() ? std::string("(нет папки данных пользователя)")
                                            : ShownPath(archive))
                        << "; плата не записана (записать без архива: --no-archive)\n";
        return kExitAccess;
    }
    if (result == ImageResult::Success) {
        out << OutcomeOf(Transfer::Store, result, path, ShownPath).status << '\n';
        return kExitOk;
    }
    reportFailure(Transfer::Store, result, path, errors);
    return result == ImageResult::WrittenUnchecked ? kExitUnchecked : kExitAccess;
}

} // namespace qm
