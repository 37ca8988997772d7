#pragma once

#include "core/resources/outcome.h"

#include <fstream>
#include <string>
#include <string_view>

namespace brenmoor::monitor {

// The text file the monitor saves records into. Opening replaces an existing
// file; every block is flushed at once so a crash loses at most the record
// being written.
class MonitorSaveFile {
  public:
    // Failure names the file; the object stays closed then.
    Outcome open(const std::string& path);
    // Failure names the file and closes it: nothing more could be saved.
    Outcome write(std::string_view text);
    void close();

    bool isOpen() const { return out_.is_open(); }
    const std::string& path() const { return path_; }

  private:
    std::ofstream out_;
    std::string path_;
};

} // namespace brenmoor::monitor
