#pragma once

#include <string>
#include <vector>

namespace brenmoor::cli {

// The program's arguments and its console output in UTF-8, the encoding of
// every text and path in this program. Windows hands a program its
// arguments in the ANSI code page and shows output in the console's code
// page: there the arguments are read again in wide characters and the
// console shows UTF-8 while the program runs. Elsewhere both already are
// UTF-8.
class ProgramConsole {
  public:
    ProgramConsole(int argc, char** argv);
    ~ProgramConsole();
    ProgramConsole(const ProgramConsole&) = delete;
    ProgramConsole& operator=(const ProgramConsole&) = delete;

    int argc() const { return static_cast<int>(texts_.size()); }
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
    unsigned previousCodePage_ = 0;
};

} // namespace brenmoor::cli
