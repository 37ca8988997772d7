#pragma once

#include "core/model/project.h"

#include <ostream>

namespace brenmoor::cli {

// A readable listing of everything a project holds, subnet by subnet.
void printProjectListing(std::ostream& out, const Project& project);

} // namespace brenmoor::cli
