#include "core/monitor/log_folder.h"

#include "core/monitor/time_text.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace brenmoor::monitor {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "session-";
constexpr std::string_view kSuffix = ".csv";

std::optional<fs::path> absolute(const char* text) {
    if (!text || !*text)
        return std::nullopt;
    fs::path path(text);
    // A relative value is invalid by the XDG rules and is ignored.
    if (!path.is_absolute())
        return std::nullopt;
    return path;
}

} // namespace

std::optional<fs::path> monitorLogFolder(const char* xdgStateHome, const char* home) {
    if (const auto state = absolute(xdgStateHome))
        return *state / "brenmoor" / "monitor";
    if (const auto user = absolute(home))
        return *user / ".local" / "state" / "brenmoor" / "monitor";
    return std::nullopt;
}

std::optional<fs::path> monitorLogFolder() {
#ifdef _WIN32
    // Windows keeps a user's local state in one folder of its own.
    return monitorLogFolder(std::getenv("LOCALAPPDATA"), nullptr);
#else
    return monitorLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
#endif
}

std::string sessionLogName(int64_t wallMs) {
    return std::string(kPrefix) + wallTimeStamp(wallMs) + std::string(kSuffix);
}

bool isSessionLogName(const std::string& name) {
    return name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(kSuffix);
}

void pruneSessionLogs(const fs::path& folder, uint64_t capBytes, const fs::path& keep) {
    struct Log {
        fs::path path;
        uint64_t size;
    };
    std::vector<Log> logs;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || !isSessionLogName(it->path().filename().string()))
            continue;
        const uintmax_t size = it->file_size(ec);
        if (!ec)
            logs.push_back({it->path(), static_cast<uint64_t>(size)});
    }
    std::sort(logs.begin(), logs.end(),
              [](const Log& a, const Log& b) { return a.path.filename() < b.path.filename(); });
    uint64_t total = 0;
    for (const Log& log : logs)
        total += log.size;
    for (const Log& log : logs) {
        if (total <= capBytes)
            break;
        if (log.path.filename() == keep.filename())
            continue;
        if (fs::remove(log.path, ec))
            total -= log.size;
    }
}

} // namespace brenmoor::monitor
