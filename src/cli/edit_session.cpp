#include "cli/edit_session.h"

#include "cli/command_registry.h"

#include <charconv>

namespace brenmoor::cli {

std::vector<EditCommandEntry>& editCommandRegistry() {
    static std::vector<EditCommandEntry> registry;
    return registry;
}

EditSession::EditSession(Project& project, std::ostream& out)
    : prompter_(out), editor_(project, grid_, prompter_, info_), out_(out) {
    editor_.documentOpened();
}

std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
    text = text.substr(std::min(text.size(), text.find_first_not_of(" \t")));
    const auto end = text.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, end), text.substr(end + 1)};
}

int parseNumber(std::string_view text, std::string_view what) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw UsageError(std::string(what) + " must be a number: '" + std::string(text) + "'");
    return value;
}

void EditSession::run(std::string_view line) {
    // A script written on another system may end its lines with CR.
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#')
        return;
    const auto [name, args] = splitWord(line);
    for (auto& entry : editCommandRegistry()) {
        if (entry.name == name) {
            EditContext context{editor_, grid_, prompter_, out_, mapping_};
            entry.run(context, args);
            return;
        }
    }
    throw UsageError("unknown editor command: '" + std::string(name) + "'");
}

} // namespace brenmoor::cli
