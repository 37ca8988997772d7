// Project files come from anywhere: no input may crash the reader, and what
// it accepts must write back to bytes it reads again as the same project.
#include "core/model/project_file.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brenmoor;
    const Project fresh = makeNewProject();
    auto loaded = parseProject(std::span(data, size), fresh.device);
    if (!loaded)
        return 0;
    Project project = fresh;
    applyLoadedProject(project, std::move(*loaded));
    const std::vector<uint8_t> written = serializeProject(project);

    auto again = parseProject(written, fresh.device);
    if (!again)
        std::abort();
    Project reread = fresh;
    applyLoadedProject(reread, std::move(*again));
    if (serializeProject(reread) != written || !(reread.store == project.store))
        std::abort();
    return 0;
}
