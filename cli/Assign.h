// set: the values a technician gives, applied through the window's rules.
#pragma once

#include "Places.h"

#include <ostream>
#include <string>
#include <vector>

namespace qm {

// KEY=VALUE, as given on the command line.
struct Assignment {
    std::string key; // "SET08" or "SET99", in capitals whatever the case given
    std::string value;
};

// Splits KEY=VALUE at its first "="; false for an argument without one or
// with a key that names no setting and is not SET99.
bool ParseAssignment(const std::string& argument, Assignment& assignment);

// Loads the source, brings every value into the form the window would store
// it in once it has shown it, applies every assignment (Strict_values.h: a
// value that cannot be stored as given is refused, a number out of its
// bounds brought into them), then stores the destination. Every value
// stored otherwise than given or held is reported on the error output. When
// any assignment is refused, or a key is given twice, nothing is stored and
// the status is kExitFinding. keepOld: StoreDestination.
int SetCommand(const Place& source, const Place& destination,
               const std::vector<Assignment>& assignments, bool keepOld, std::ostream& out,
               ErrorOutput& errors);

// Loads the source and stores it at the destination, every value as held.
int CopyCommand(const Place& source, const Place& destination, bool keepOld, std::ostream& out,
                ErrorOutput& errors);

} // namespace qm
