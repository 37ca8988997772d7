// A command list read from the bytes of a CSV file and imported into a new
// project. Refused: the project is exactly as it was. Accepted: it saves and
// opens again, and its own command list imports again without a problem
// into the same commands.
#include "fuzz_support.h"

#include "core/export/command_list_csv.h"
#include "core/jobs/command_list_import.h"

using namespace brenmoor;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Project project = makeNewProject();
    const Project before = project;
    if (!importCommandList(project, text, ImportMode::Replace).empty()) {
        check(project.store == before.store);
        return 0;
    }
    check(project.store.subnets[0].commandCount <= kMaxCommands);
    check(project.store.subnets[0].nodeCount <= kMaxNodes);
    fuzz::checkSavesAndReopens(project);

    const std::string exported = commandListCsv(project);
    Project again = makeNewProject();
    check(importCommandList(again, exported, ImportMode::Replace).empty());
    check(commandListCsv(again) == exported);
    return 0;
}
