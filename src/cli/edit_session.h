#pragma once

#include "cli/cli_prompter.h"
#include "core/editor/configuration_editor.h"
#include "core/editor/memory_grid.h"
#include "core/mapping/mapping_state.h"
#include "core/model/blank_trim.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::cli {

// What an editor command works on: the editor over the opened project, with
// the grid and prompter the command line stands in for the window with.
struct EditContext {
    ConfigurationEditor& editor;
    MemoryGrid& grid;
    CliPrompter& prompter;
    std::ostream& out;
    // Lives as long as the session, as it lives as long as the window's run.
    MappingState& mapping;
};

// Runs one editor command; `args` is the rest of the line after the name.
// Throws UsageError for a malformed command.
using EditHandler = std::function<void(EditContext& context, std::string_view args)>;

struct EditCommandEntry {
    std::string name;
    EditHandler run;
};

std::vector<EditCommandEntry>& editCommandRegistry();

// Each editor command registers itself, so adding one (e.g. `automap`) is
// one new file with one of these.
struct RegisterEditCommand {
    RegisterEditCommand(std::string name, EditHandler run) {
        editCommandRegistry().push_back({std::move(name), std::move(run)});
    }
};

// An editor over a project as the window has it after opening a file.
class EditSession {
  public:
    EditSession(Project& project, std::ostream& out);

    // Runs one command line. Blank lines and lines starting with '#' do
    // nothing. Throws UsageError for a malformed command.
    void run(std::string_view line);

    ConfigurationEditor& editor() { return editor_; }

  private:
    MemoryGrid grid_;
    MemoryInfoPanel info_;
    CliPrompter prompter_;
    MappingState mapping_;
    ConfigurationEditor editor_;
    std::ostream& out_;
};

// Helpers shared by the command files.
int parseNumber(std::string_view text, std::string_view what);
// The first word of `text`, and the rest after the blank that ends it.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text);

} // namespace brenmoor::cli
