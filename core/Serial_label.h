// The board's serial label as a record or a settings text holds it: the
// window offers its serial entry for a blank one, the command line shows
// and compares it, and the board archive files each board's copies by it.
#pragma once

#include "Settings.h"

#include <string>
#include <string_view>

namespace qm {

struct SerialLabel {
    enum class Kind {
        Label, // a label, possibly empty
        Blank, // its first byte is the blank marker: a board never labelled
        None,  // no ID at all: a record read from it holds the reader's default
    };
    Kind kind = Kind::None;
    std::string text; // Label: code page 1251, cut to the record's field
    bool operator==(const SerialLabel& o) const { return kind == o.kind && text == o.text; }
};

// What a record holds: a label, or the blank marker.
SerialLabel SerialLabelOf(const Settings& record);

// What a settings text holds under ID, as the reader reads it.
SerialLabel SerialLabelIn(std::string_view text);

} // namespace qm
