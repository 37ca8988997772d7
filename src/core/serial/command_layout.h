#pragma once

#include "core/model/parameter_store.h"
#include "core/serial/block_field.h"

#include <span>

namespace brenmoor {

// A command record (request 0x10, and six to a packet of 0x16). The swap
// byte has two entries, one for each family of swap texts the data-filter
// flag reads it back as; either sends the same code for a text, so the
// record's bytes never depend on the flags.
std::span<const Field<INSTRUCTION>> commandFields();

} // namespace brenmoor
