#pragma once

#include "core/model/parameter_store.h"

#include <string>

namespace brenmoor {

// How a stored text appears wherever the program shows it to the user: in
// the grid's value cells, the exported workbook and the comparison.

// "-1" ("not set") shows as an empty cell; everything else as it is stored.
std::string shownValue(const std::string& stored);

// A mapping address with the grid's "H"; an address never entered (empty or
// "-1") stays empty instead of showing a lone "H".
std::string shownMapAddress(const std::string& mapAddress);

// A single coil or register always occupies 1 or 2 bytes, whatever the
// stored count says; the others show their stored count.
std::string shownByteCount(const INSTRUCTION& command);

// The interface the debug port uses: "RS485" when the communication
// interface is "RS232", otherwise "RS232".
std::string otherInterface(const std::string& commInterface);

} // namespace brenmoor
