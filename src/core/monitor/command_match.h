#pragma once

#include "core/model/parameter_store.h"
#include "core/monitor/value_format.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brenmoor::monitor {

// A command of the project as the monitor meets it in records: the slave
// and starting address the gateway reports, how many data bytes a correct
// response carries, and how it is named and read.
struct ProjectCommand {
    uint8_t slave = 0;
    uint16_t start = 0;
    int64_t responseBytes = 0;
    std::string name; // "Node-5 / Read Holding Registers (3)", UTF-8
    ValueFormat format;
    std::optional<int> bitCount; // coils and inputs: the number of data
};

// The commands of the subnet the gateway polls (subnet 0), in store order.
// A command whose slave address, starting address or function code is not
// one a gateway could poll (unset, out of range) is left out.
class ProjectCommands {
  public:
    ProjectCommands() = default; // no project: nothing is in it
    explicit ProjectCommands(const ParameterStore& store);

    const std::vector<ProjectCommand>& commands() const { return commands_; }

    // The commands with this slave and starting address, by index.
    std::vector<size_t> candidates(uint8_t slave, uint16_t start) const;
    // The one candidate whose correct response carries `dataBytes` bytes;
    // nothing when none or several do.
    std::optional<size_t> settle(const std::vector<size_t>& candidates, size_t dataBytes) const;

  private:
    std::vector<ProjectCommand> commands_;
};

// The command's name: its node's name, the function's tree text and its code.
std::string commandDisplayName(const CONFIG& subnet, const INSTRUCTION& command);

// What a slave and starting address stand for in the project: one command,
// or the texts for several that the data cannot tell apart and for none.
class CommandMatch {
  public:
    static CommandMatch none() { return CommandMatch(Kind::NotInProject, 0); }
    static CommandMatch ambiguous() { return CommandMatch(Kind::Ambiguous, 0); }
    static CommandMatch of(size_t index) { return CommandMatch(Kind::Command, index); }

    bool matched() const { return kind_ == Kind::Command; }
    size_t index() const { return index_; }
    // The command's name, "ambiguous" or "not in the project".
    std::string text(const ProjectCommands& commands) const;

    friend bool operator==(const CommandMatch&, const CommandMatch&) = default;

  private:
    enum class Kind { NotInProject, Ambiguous, Command };
    CommandMatch(Kind kind, size_t index) : kind_(kind), index_(index) {}
    Kind kind_;
    size_t index_;
};

} // namespace brenmoor::monitor
