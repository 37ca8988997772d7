#include "cli/program_console.h"

namespace brenmoor::cli {

ProgramConsole::ProgramConsole(int argc, char** argv) : texts_(argv, argv + argc) {
    for (std::string& text : texts_)
        pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

ProgramConsole::~ProgramConsole() = default;

} // namespace brenmoor::cli
