// set: the values a technician gives, applied through the window's rules.
#pragma once

#include "Places.h"

#include <ostream>
#include <string>
#include <vector>

namespace qm {

// KEY=VALUE, as given on the command line.
struct Assignment {
    std::string key; // "SET08" (any letter case) or "SET99"
    std::string value;
};

// Splits KEY=VALUE at its first "="; false for an argument without one or
// with a key that names no setting and is not SET99.
bool ParseAssignment(const std::string& argument, Assignment& assignment);

// Loads the source, applies every assignment to the loaded settings as the
// window's rules would store it (saying so wherever the stored value is not
// the one given), then stores the destination. When any assignment is
// refused, nothing is stored and the status is kExitFinding.
int SetCommand(const Place& source, const Place& destination,
               const std::vector<Assignment>& assignments, std::ostream& out, ErrorOutput& errors);

// Loads the source and stores it at the destination.
int CopyCommand(const Place& source, const Place& destination, std::ostream& out,
                ErrorOutput& errors);

} // namespace qm
