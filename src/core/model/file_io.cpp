#include "core/model/file_io.h"

#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace brenmoor {
namespace {

MessageId messageForErrno(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return msg::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return msg::FileAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return msg::FileDiskFull;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return msg::FileBadPath;
    case EMFILE:
    case ENFILE:
        return msg::FileTooManyOpen;
    case EIO:
        return msg::FileHardwareError;
    default:
        return msg::FileGenericError;
    }
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

Outcome fileErrorOutcome(int errorNumber, const std::string& path) {
    const MessageId id = messageForErrno(errorNumber);
    return Outcome::failure(id, replacePlaceholder(loadString(id), path));
}

Outcome readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return fileErrorOutcome(errno, path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fileErrorOutcome(errno, path);
    if (S_ISDIR(info.st_mode))
        return fileErrorOutcome(EISDIR, path);

    bytes.clear();
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fileErrorOutcome(errno, path);
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > limit)
            return Outcome::failure(msg::UnexpectedFileFormat,
                                    std::string(loadString(msg::UnexpectedFileFormat)));
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return Outcome::success();
}

Outcome writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    namespace fs = std::filesystem;
    fs::path target(path);
    // Saving through a link replaces the file it points to, not the link.
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    FileDescriptor fd(::mkstemp(tempName.data()));
    if (fd.get() < 0)
        return fileErrorOutcome(errno, path);

    auto failWith = [&](int errorNumber) {
        ::unlink(tempName.c_str());
        return fileErrorOutcome(errorNumber, path);
    };

    // Keep the permissions of the file being replaced; a new file gets the
    // usual mode for documents rather than mkstemp's private 0600.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return failWith(EISDIR);
        ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
    }

    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return failWith(errno);
    if (::close(fd.release()) != 0)
        return failWith(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0)
        return failWith(errno);
    return Outcome::success();
}

} // namespace brenmoor
