#pragma once

#include <string>

namespace brenmoor::port {

// The name of a program that holds `device`: the holder of a lock on it
// (seen whoever holds it), else another process with it open (seen only
// among this user's processes, unless run by root). Empty when none is
// found.
std::string deviceHolder(const std::string& device);

} // namespace brenmoor::port
