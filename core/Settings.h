// The settings record: the one in-memory copy of every setting of the board.
//
// Texts are zero-terminated code page 1251 bytes in fixed fields; numbers are
// unsigned 8- or 16-bit. A record is a plain value, all zero when made with
// Settings{} (the window's record at program start); whoever holds one owns
// it (the window its record and the modified flag beside it, the command line
// one per source). Fields are read and written directly by key; the key table
// below lets the file writer, the reader and the window's bindings walk them
// by number without naming each one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qm {

// Field capacities in bytes, terminating zero included.
constexpr std::size_t kLongTextSize = 32;  // SET01..SET04
constexpr std::size_t kShortTextSize = 16; // SET05..SET07
constexpr std::size_t kSerialSize = 13;    // serial label

// First byte of a serial label that the board has not been given yet.
constexpr unsigned char kBlankSerialMarker = 0xFF;

// Setting numbers: SET01..SET52. Texts are SET01..SET07, numbers SET08..SET52.
constexpr int kFirstSetting = 1;
constexpr int kLastText = 7;
constexpr int kFirstNumber = 8;
constexpr int kLastSetting = 52;

struct Settings {
    char SET01[kLongTextSize];  // APN
    char SET02[kLongTextSize];  // login
    char SET03[kLongTextSize];  // password
    char SET04[kLongTextSize];  // monitoring server host
    char SET05[kShortTextSize]; // USSD balance code
    char SET06[kShortTextSize]; // technician's phone
    char SET07[kShortTextSize]; // administrator's phone
    std::uint16_t SET08;        // price rows: money (16-bit), minutes (8-bit)
    std::uint8_t SET09;
    std::uint16_t SET10;
    std::uint8_t SET11;
    std::uint16_t SET12;
    std::uint8_t SET13;
    std::uint16_t SET14;
    std::uint8_t SET15;
    std::uint16_t SET16;
    std::uint8_t SET17;
    std::uint16_t SET18;
    std::uint8_t SET19;
    std::uint16_t SET20;
    std::uint8_t SET21;
    std::uint16_t SET22;
    std::uint8_t SET23;
    std::uint16_t SET24;
    std::uint8_t SET25;
    std::uint16_t SET26;
    std::uint8_t SET27;
    std::uint8_t SET28;  // accepted banknotes, bits 0..5
    std::uint16_t SET29; // currency index
    std::uint16_t SET30; // bonus minutes per month
    std::uint16_t SET31; // low SIM balance threshold
    std::uint16_t SET32; // reporting period
    std::uint16_t SET33; // working days: idle minutes
    std::uint8_t SET34;  // working days: window start hour, minute, end hour, minute
    std::uint8_t SET35;
    std::uint8_t SET36;
    std::uint8_t SET37;
    std::uint16_t SET38; // days off: idle minutes
    std::uint8_t SET39;  // days off: window start hour, minute, end hour, minute
    std::uint8_t SET40;
    std::uint8_t SET41;
    std::uint8_t SET42;
    std::uint16_t SET43;      // carried only, no control
    std::uint8_t SET44;       // SMS on low balance
    std::uint8_t SET45;       // SMS to technician on acceptor failure
    std::uint8_t SET46;       // carried only, no control
    std::uint8_t SET47;       // SMS to administrator on service delay
    std::uint8_t SET48;       // cash-box sensor closed state
    std::uint16_t SET49;      // money per coin pulse
    std::uint8_t SET50;       // chair type
    std::uint8_t SET51;       // carried only, no control
    std::uint8_t SET52;       // technical compartment sensor closed state
    char serial[kSerialSize]; // serial label: read as ID, written as SET99
};

// Number of bits of a number setting: 8 or 16; 0 for a text setting.
int SettingWidth(int number);

// Field capacity of text setting SET01..SET07 in bytes (terminating zero included).
std::size_t TextCapacity(int number);

// The text field of SET01..SET07 in a record.
char* TextField(Settings& record, int number);
const char* TextField(const Settings& record, int number);

// The value of number setting SET08..SET52.
std::uint32_t NumberValue(const Settings& record, int number);

// Store v into number setting SET08..SET52, keeping its low 8 or 16 bits.
void SetNumberValue(Settings& record, int number, std::uint32_t v);

// "SET01".."SET52".
std::string SettingKey(int number);

// Copy a text into a field of the given capacity: cut at its first zero byte
// and at capacity - 1 bytes, always terminated.
void CopyText(char* field, std::size_t capacity, const std::string& text);

bool operator==(const Settings& a, const Settings& b);

} // namespace qm
