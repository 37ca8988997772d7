// `brenmoor-cli edit --script` on a new project: each line of the input is
// one editor command, run as the command runs them, until the end or the
// first UsageError (the designed refusal of a malformed line, which ends the
// run without saving). Any other exception escapes and is a finding. Whatever
// the editor commands did, the counts stay inside the store's lists, every
// command belongs to a node that exists, and the project saves to a file
// that opens again.
#include "fuzz_support.h"

#include "cli/command_registry.h"
#include "cli/edit_session.h"

#include <ostream>
#include <streambuf>

using namespace brenmoor;
using fuzz::check;

namespace {

// The printed outcome lines are not looked at; formatting them still runs.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void checkStore(const ParameterStore& store) {
    for (const CONFIG& subnet : store.subnets) {
        check(subnet.nodeCount >= 0 && subnet.nodeCount <= kMaxNodes);
        check(subnet.commandCount >= 0 && subnet.commandCount <= kMaxCommands);
    }
    const CONFIG& edited = store.subnets[0];
    for (int c = 0; c < edited.commandCount; ++c) {
        const int node = edited.commands[static_cast<size_t>(c)].nodeNumber;
        check(node >= 1 && node <= edited.nodeCount);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NullBuffer buffer;
    std::ostream out(&buffer);
    Project project = makeNewProject();
    {
        cli::EditSession session(project, out);
        std::string_view script(reinterpret_cast<const char*>(data), size);
        try {
            // The lines as std::getline splits a script file.
            while (!script.empty()) {
                const size_t end = script.find('\n');
                session.run(script.substr(0, end));
                script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
            }
        } catch (const cli::UsageError&) {
            return 0;
        }
    }
    checkStore(project.store);
    fuzz::checkSavesAndReopens(project);
    return 0;
}
