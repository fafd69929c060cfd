// The settings file reader.
#pragma once

#include "File.h"
#include "MessageSink.h"
#include "Settings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Longest settings file the reader looks at; bytes beyond are ignored. A
// settings image is 2048 bytes, so this only bounds damaged input.
constexpr std::size_t kMaxSettingsFile = 1 << 20;

// The record held by the settings file at path.
//
// The path must name an existing regular file that can be read; otherwise the
// message "Не могу открыть файл " + path is shown through messages and the
// result is none. Otherwise every field of the record is assigned: the serial
// label from key ID, SET01..SET52 from their keys, all in section SYSTEM.
// Missing keys give the factory texts for ID and SET01..SET07 and 0 for every
// number; numbers are cut to their field's width, not range-checked; texts
// are cut to their field's capacity. Whoever keeps the record counts it as
// modified.
// With File::Target::OwnFileOnly the path counts as a file only when it may be
// opened as the user's private file (the temporary file is read this way).
std::optional<Settings> Read_file(const std::string& path, MessageSink& messages,
                                  File::Target target = File::Target::Any);

// The record held by settings file text (steps after the open).
Settings ReadSettingsText(std::string_view text);

// A number value of a settings file as a 32-bit integer; 0 for anything that
// is not a number. Accepted after optional leading spaces: a decimal number
// with an optional sign in the signed 32-bit range, or a hexadecimal number
// after "$", "x", "X", "0x" or "0X" that fits 32 bits. Nothing may follow.
std::int32_t ParseIniNumber(std::string_view text);

// The number a settings file value stands for in the forms ParseIniNumber
// takes, before it is brought to 32 bits (held at ±2^40 beyond that): what
// the source holds, against what the record can. Nothing for a text that is
// no number in those forms.
std::optional<std::int64_t> IniNumberHeld(std::string_view text);

} // namespace qm
