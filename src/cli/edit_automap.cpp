// `automap` inside an edit session: Tools "Auto Mapping" as the window runs
// it, with the question answered from the queue like any other.
#include "cli/command_registry.h"
#include "cli/edit_session.h"
#include "core/jobs/tool_availability.h"
#include "core/mapping/auto_mapping.h"

namespace brenmoor::cli {
namespace {

const RegisterEditCommand automapCommand{
    "automap", [](EditContext& c, std::string_view args) {
        if (!trimmed(args).empty())
            throw UsageError("automap takes no arguments");
        if (!toolAvailable(MappingTool::AutoMapping, c.editor.project().device)) {
            c.out << "disabled: automap\n";
            return;
        }
        switch (runAutoMapping(c.editor.project(), c.mapping, c.prompter)) {
        case AutoMappingOutcome::Completed:
            c.editor.storeReplaced();
            c.out << "mapped\n";
            break;
        case AutoMappingOutcome::Cancelled:
            c.out << "cancelled: automap\n";
            break;
        case AutoMappingOutcome::ProfibusConfigError:
            c.out << "refused: automap\n";
            break;
        }
    }};

} // namespace
} // namespace brenmoor::cli
