// The places the command line loads settings from and stores them to: a
// settings file, the board (found by its volume serial, as the window's
// device commands find it) and, as a source only, the factory defaults.
// Loads and stores take the window's own road (BoardRoad), board archive and
// all.
#pragma once

#include "MessageSink.h"
#include "Serial_label.h"
#include "Settings.h"

#include <cstddef>
#include <ostream>
#include <string>

namespace qm {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFinding = 1; // not a valid image, different, refused
constexpr int kExitUsage = 2;
constexpr int kExitAccess = 3; // a file or the board cannot be read or written
// Written, but the target could not be read back to be checked (another
// program held it): the settings are there, unverified.
constexpr int kExitUnchecked = 4;

// The messages of the roads, on the error output: "qmconf-cli: " + text + path.
class ErrorOutput : public MessageSink {
public:
    explicit ErrorOutput(std::ostream& err) : err_(err) {}
    void showMessage(const std::string& text, const std::string& path) override;
    std::ostream& stream() { return err_; }

private:
    std::ostream& err_;
};

struct Place {
    enum class Kind { File, Board, Defaults };
    Kind kind = Kind::File;
    std::string path; // the file's path as given; for the board, the root named, if any
};

// "board", "board:ROOT" (the board on the volume with that root, e.g.
// "board:E:" or "board:/media/tech/QMBOARD", when more than one is
// attached), "defaults", or a file path (a file named so is reached as ./board).
Place PlaceOf(const std::string& word);

// The path of a place's settings file: a file's path as given; for the
// board, set.ini on the one board attached, or on the root the place names,
// and empty after reporting on the error output that there is none, that
// there are several and which, or that the root named is no board's.
std::string SettingsPath(const Place& place, ErrorOutput& errors);

// What a source's bytes are, read as a load reads them (exclusively, past the
// file cache), without loading them.
struct ImageProbe {
    enum class State { Valid, TooShort, BadChecksum, Unreadable };
    State state = State::Unreadable;
    std::size_t size = 0; // how many bytes were read, at most the image's 2048
};
ImageProbe ProbeImage(const std::string& path);

// "P: 311 байт, а образ настроек занимает от 512 до 2048 байт".
std::string TooShortText(const std::string& path, std::size_t size);

// The outcome of loading a source: the record it holds, when it could be
// loaded, or what an image whose checksum fails says.
struct Loaded {
    enum class State {
        Loaded,
        TooShort,    // read, but no image by its size
        BadChecksum, // read, but its checksum does not hold
        CannotRead,  // the board, the file or the temporary file cannot be had
    };
    State state = State::CannotRead;
    SerialLabel::Kind label = SerialLabel::Kind::None; // what the source holds under ID
    std::string image; // the bytes read from a file or the board; none for the defaults
    Settings record{};
};

// Loads a source and reports a failure on the error output.
Loaded LoadSource(const Place& source, ErrorOutput& errors);

// Stores a record as a settings image at the destination, its serial label
// as SET99 when withSerial (the label is blank, where the window offers its
// serial entry); the window's success text on out. A board whose old
// set.ini cannot be kept in the archive is not written, unless keepOld is
// false. A record that can make no image the board could check is not stored (kExitFinding, with
// its reason). kExitOk; or, after reporting on the error output, kExitAccess, or kExitUnchecked for
// a store that was written but could not be read back to be checked.
int StoreDestination(const Place& destination, const Settings& record, bool withSerial,
                     bool keepOld, std::ostream& out, ErrorOutput& errors);

} // namespace qm
