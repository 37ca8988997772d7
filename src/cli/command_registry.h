#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace brenmoor::cli {

// Exit status of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailed = 1; // one of the program's messages was printed
inline constexpr int kExitUsage = 2;

// A command adds its subcommand to the application and, in the subcommand's
// callback, stores its exit status in `exitCode`.
using CommandSetup = std::function<void(CLI::App& app, int& exitCode)>;

struct CommandEntry {
    std::string name;
    CommandSetup setup;
};

std::vector<CommandEntry>& commandRegistry();

// Each command file registers itself with one static instance of this, so a
// new command needs no edit anywhere else.
struct RegisterCommand {
    RegisterCommand(std::string name, CommandSetup setup) {
        commandRegistry().push_back({std::move(name), std::move(setup)});
    }
};

// Thrown inside a command for a malformed request that CLI11 cannot see
// (a bad value inside an option); main turns it into exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace brenmoor::cli
