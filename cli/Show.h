// show and diff: the settings of a source, and what differs between two.
#pragma once

#include "Places.h"

#include <ostream>
#include <string>

namespace qm {

// Every setting of the source in the window's order with its key, caption and
// value as held, and the value the window would store where showing changes
// it; then the serial label and whether the checksum holds. An image whose
// checksum fails is shown all the same, and the status is then kExitFinding.
int ShowCommand(const Place& source, bool json, std::ostream& out, ErrorOutput& errors);

// The settings whose values differ between a and b, with both values.
// kExitOk when none differ, kExitFinding when any do.
int DiffCommand(const Place& a, const Place& b, bool json, std::ostream& out, ErrorOutput& errors);

} // namespace qm
