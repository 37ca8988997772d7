#pragma once

#include "core/editor/page_catalogue.h"

#include <string>

namespace brenmoor {

// Why the grid refuses a value in a cell, in the rule's own words. The grid
// brings the old value back without a word for most rules; wherever refused
// values are listed instead (the command list import), this names the rule
// the cell's editor applies, with the limits it checks for `s`.
std::string ruleMessage(const CellEditor& editor, const PageSubject& s);

// "a, b, c": the entries a list offers, as one text.
std::string joinedChoices(std::span<const CodeText> choices);

} // namespace brenmoor
