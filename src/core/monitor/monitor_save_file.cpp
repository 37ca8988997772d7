#include "core/monitor/monitor_save_file.h"

#include "core/model/file_io.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"

#include <filesystem>

namespace brenmoor::monitor {
namespace {

Outcome failure(MessageId id, const std::string& path) {
    return Outcome::failure(id, formatMessage(id, path));
}

} // namespace

Outcome MonitorSaveFile::open(const std::string& path) {
    close();
    // A folder opens "successfully" on some systems and then swallows every
    // write; refuse it before trying.
    std::error_code ec;
    if (std::filesystem::is_directory(nativePath(path), ec))
        return failure(msg::SaveFileNotOpened, path);
    // Binary, so the CR LF line ends reach the file exactly as written.
    out_.open(nativePath(path), std::ios::binary | std::ios::trunc);
    if (!out_.is_open())
        return failure(msg::SaveFileNotOpened, path);
    path_ = path;
    return Outcome::success();
}

Outcome MonitorSaveFile::write(std::string_view text) {
    if (!out_.is_open())
        return failure(msg::SaveFileNotWritten, path_);
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) {
        const std::string path = path_;
        close();
        return failure(msg::SaveFileNotWritten, path);
    }
    return Outcome::success();
}

void MonitorSaveFile::close() {
    if (out_.is_open())
        out_.close();
    out_.clear();
    path_.clear();
}

} // namespace brenmoor::monitor
