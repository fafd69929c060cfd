// The 32-bit volume serial number behind the UUID text that Linux (udev's
// /dev/disk/by-uuid names, libblkid) shows for a volume.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

// "C208-9526" (FAT12/16/32, exFAT: the volume ID as two groups of four hex
// digits) gives 0xC2089526; sixteen hex digits (NTFS, its 64-bit serial)
// give their low 32 bits, the number Windows shows for the volume. Hex digits
// of either case. Any other text has no 32-bit serial: none.
std::optional<std::uint32_t> VolumeSerialFromUuid(std::string_view uuid);

} // namespace qm
