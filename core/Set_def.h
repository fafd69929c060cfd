// Factory defaults of the settings record.
#pragma once

#include "Settings.h"

namespace qm {

// The factory texts. The reader falls back to the same texts for keys a file
// lacks, so they live here once. SET01..SET04 are 42 characters together,
// which keeps the defaults' settings file (543 bytes) above the 512-byte
// minimum of the settings image.
constexpr const char* kDefaultTexts[7] = {
    "internet.mts.ru",       // SET01: APN of the operator's data service
    "mts",                   // SET02: login
    "mts",                   // SET03: password, the same word as the login
    "monitor.qm-massage.ru", // SET04: monitoring server host
    "*100#",                 // SET05: USSD balance request
    "+7",                    // SET06: technician's phone
    "+7",                    // SET07: administrator's phone
};

// Serial label of the defaults, and of a file without the key ID:
// "QM" then five times a blank and a full stop.
constexpr const char* kDefaultSerial = "QM . . . . .";

// A record holding the factory defaults in every field. Cannot fail.
Settings Set_def();

} // namespace qm
