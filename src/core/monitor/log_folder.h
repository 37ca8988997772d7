#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace brenmoor::monitor {

// Where the window keeps the logs of its monitor sessions: the user's state
// folder ($XDG_STATE_HOME, or ~/.local/state; %LOCALAPPDATA% on Windows),
// under brenmoor/monitor. Nothing when neither gives an absolute folder.
std::optional<std::filesystem::path> monitorLogFolder(const char* xdgStateHome, const char* home);
// The same from the environment.
std::optional<std::filesystem::path> monitorLogFolder();

// The folder keeps the latest sessions up to this many bytes together.
inline constexpr uint64_t kLogFolderCapBytes = 64ull << 20;

// "session-20240501-140307-123.csv": names sort by time.
std::string sessionLogName(int64_t wallMs);
bool isSessionLogName(const std::string& name);

// Removes the oldest session logs until those left take at most `capBytes`
// together. `keep` (the session being written) is never removed, and
// nothing but session logs is touched.
void pruneSessionLogs(const std::filesystem::path& folder, uint64_t capBytes,
                      const std::filesystem::path& keep);

} // namespace brenmoor::monitor
