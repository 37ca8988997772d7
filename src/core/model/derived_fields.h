#pragma once

#include "core/model/parameter_store.h"

namespace brenmoor {

// A command keeps copies of texts that other fields decide: its node's
// address, the check type of its subnet's transmission mode, and the bytes
// its function code and number of data occupy. Files carry the copies, so
// the store keeps them too; each is brought up to date here, and only where
// the program always has: the command's page (address and check type), the
// export (check type) and the checks before a download (byte count).

// The node's address, when the command names a node slot.
void refreshSlaveAddress(const CONFIG& subnet, INSTRUCTION& command);
// "CRC" for RTU, "LRC" for ASCII; another transmission text leaves it.
void refreshCheckType(const CONFIG& subnet, INSTRUCTION& command);
// The download's byte count; a code that is none of the eight leaves it.
void refreshByteCount(INSTRUCTION& command);

// The check type of every command in use in every subnet.
void refreshCheckTypes(ParameterStore& store);

// Whether two stores differ in more than these copies (the command page's
// refresh is not a change of the user's).
bool differsBeyondCopies(const ParameterStore& before, const ParameterStore& after);

} // namespace brenmoor
