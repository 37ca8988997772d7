#include "core/model/file_io.h"

#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

std::filesystem::path nativePath(const std::string& path) {
    return std::filesystem::path(path);
}

Outcome readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit) {
    // Without O_NONBLOCK opening a FIFO would wait for a writer; O_NOCTTY
    // keeps a terminal from becoming ours.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return fileErrorOutcome(errno, path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fileErrorOutcome(errno, path);
    if (!S_ISREG(info.st_mode))
        return fileErrorOutcome(S_ISDIR(info.st_mode) ? EISDIR : EACCES, path);
    if (static_cast<uint64_t>(info.st_size) > limit)
        return Outcome::failure(msg::FileTooLarge,
                                replacePlaceholder(loadString(msg::FileTooLarge), path));

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
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<size_t>(n) > limit)
            return Outcome::failure(msg::FileTooLarge,
                                    replacePlaceholder(loadString(msg::FileTooLarge), path));
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return Outcome::success();
}

namespace {

// The file a save is written into before it takes the target's place.
// Where the file system allows it the file has no name until it is
// complete, so a save killed half way leaves nothing in the folder; where it
// does not, a hidden name beside the target is used and removed on failure.
class StagingFile {
  public:
    explicit StagingFile(const std::filesystem::path& folder) : folder_(folder) {
#ifdef O_TMPFILE
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        // The file is named through /proc when it is complete; without it
        // the named way is the only one.
        if (fd_ >= 0 && ::access(selfLink().c_str(), F_OK) == 0)
            return;
        if (fd_ >= 0)
            ::close(std::exchange(fd_, -1));
#endif
        unnamed_ = false;
    }
    ~StagingFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!named_.empty())
            ::unlink(named_.c_str());
    }
    StagingFile(const StagingFile&) = delete;
    StagingFile& operator=(const StagingFile&) = delete;

    // Opens the named fallback when the unnamed file was not available.
    bool open(const std::filesystem::path& target) {
        if (fd_ >= 0)
            return true;
        std::string name = (folder_ / ("." + target.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0)
            return false;
        named_ = name;
        return true;
    }

    int fd() const {
        return fd_;
    }

    // Flushes the file to disk and puts it in the target's place.
    bool commit(const std::filesystem::path& target) {
        if (::fsync(fd_) != 0)
            return false;
        if (unnamed_ && !giveName())
            return false;
        if (::close(std::exchange(fd_, -1)) != 0)
            return false;
        if (::rename(named_.c_str(), target.c_str()) != 0)
            return false;
        named_.clear();
        return true;
    }

  private:
    // An unnamed file gets a hidden name only for the rename that replaces
    // the target; rename cannot take an unnamed file.
    std::string selfLink() const {
        return "/proc/self/fd/" + std::to_string(fd_);
    }

    bool giveName() {
        const std::string self = selfLink();
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = (folder_ / (".brenmoor-save.XXXXXX")).string();
            // mkstemp only picks a free name; linkat must create it itself.
            const int probe = ::mkstemp(name.data());
            if (probe < 0)
                return false;
            ::close(probe);
            ::unlink(name.c_str());
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                named_ = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::filesystem::path folder_;
    int fd_ = -1;
    bool unnamed_ = true;
    std::string named_;
};

// A file whose permissions let nobody write is read-only to the user who
// made it so, even when the program runs with the rights to ignore that.
bool isReadOnly(const std::string& path, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace

Outcome writeFileAtomically(const std::string& path, const ByteSource& next) {
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

    // Only a regular file is replaced: a device node, a FIFO or a socket
    // under the name is not a document, and a read-only file is kept.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fileErrorOutcome(EISDIR, path);
        if (!S_ISREG(old.st_mode) || isReadOnly(target.string(), old))
            return fileErrorOutcome(EACCES, path);
    }

    StagingFile staging(folder);
    if (!staging.open(target))
        return fileErrorOutcome(errno, path);

    // Keep the permissions of the file being replaced; a new file gets the
    // usual mode for documents rather than a temporary file's private 0600.
    if (exists) {
        ::fchmod(staging.fd(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(staging.fd(), 0666 & ~mask);
    }

    for (;;) {
        std::span<const uint8_t> piece;
        if (!next(piece))
            return fileErrorOutcome(EIO, path);
        if (piece.empty())
            break;
        if (!writeAll(staging.fd(), piece))
            return fileErrorOutcome(errno, path);
    }
    if (!staging.commit(target))
        return fileErrorOutcome(errno, path);
    return Outcome::success();
}

} // namespace brenmoor
