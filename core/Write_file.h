// The settings file writer.
//
// The settings file is INI text in code page 1251 that the board reads:
//   [SYSTEM]            section header
//   SET99=<label>       only while the serial entry is visible
//   SET01=<text> ... SET07=<text>
//   SET08=<n> ... SET52=<n>   unsigned decimal
//   CRC=0               always last
// Every line ends with CR LF; no blanks, comments or blank lines. A text
// value stands as held in the record, but never with a control byte inside
// its line: a value holding one is written as SingleLine makes it (its first
// line with content, tabs as blanks, other control bytes dropped).
#pragma once

#include "MessageSink.h"
#include "Settings.h"

#include <stdexcept>
#include <string>

namespace qm {

// Raised when the keys cannot be stored in the file after it was created.
// Its text is "Unable to write to " followed by the path.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const std::string& path)
        : std::runtime_error("Unable to write to " + path) {}
};

// The message shown when the settings file cannot be created, followed by
// its path.
constexpr const char kCannotCreateFile[] = "Не удаётся создать файл ";

// The settings file text of a record, with the SET99 line when withSerial.
std::string SettingsFileText(const Settings& record, bool withSerial);

// Writes a record to path as a settings file, the serial label as SET99 when
// withSerial (the window's serial entry is offered).
//
// A path that cannot be created or emptied is reported through messages as
// "Не удаётся создать файл " + path and the call returns false with nothing
// written. A failure while writing the keys or closing the file
// raises WriteError. Only the user's own regular file is written, never
// through a symbolic link (the path is the fixed-name temporary file).
bool Write_file(const std::string& path, const Settings& record, bool withSerial,
                MessageSink& messages);

} // namespace qm
