#include "core/model/file_io.h"

#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <utility>

namespace brenmoor {
namespace {

MessageId messageForError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return msg::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH:
        return msg::FileBadPath;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    // The old file could not make way for the new one: another program
    // holds it.
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return msg::FileAccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return msg::FileDiskFull;
    case ERROR_TOO_MANY_OPEN_FILES:
        return msg::FileTooManyOpen;
    case ERROR_CRC:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return msg::FileHardwareError;
    default:
        return msg::FileGenericError;
    }
}

Outcome lastError(const std::string& path) {
    return fileErrorOutcome(static_cast<int>(::GetLastError()), path);
}

Outcome tooLarge(const std::string& path) {
    return Outcome::failure(msg::FileTooLarge,
                            replacePlaceholder(loadString(msg::FileTooLarge), path));
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle) {
        close();
        handle_ = handle;
    }
    bool close() {
        if (!valid())
            return true;
        return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

  private:
    HANDLE handle_;
};

// A name is a document only when it is a file on a disk: a console, a
// serial port or a pipe opened under a project's name would keep a read
// waiting for ever or swallow a save.
bool isDiskFile(HANDLE handle) {
    return ::GetFileType(handle) == FILE_TYPE_DISK;
}

bool writeAll(HANDLE handle, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data() + done, chunk, &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

// A name beside the target that nothing else uses: the save's complete
// file before it takes the target's place, and the old file while it does.
std::wstring freeNameBeside(const std::filesystem::path& target, const wchar_t* kind) {
    static std::atomic<unsigned> counter{0};
    const std::wstring stem = L"." + target.filename().wstring() + L"." + kind + L".";
    const std::wstring unique = std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                std::to_wstring(::GetTickCount64()) + L"-" +
                                std::to_wstring(counter.fetch_add(1));
    return (target.parent_path() / (stem + unique)).wstring();
}

// The file a save is written into before it replaces the target. Windows
// has no unnamed files: it carries a dotted name beside the target and is
// removed whenever the save does not complete.
class StagingFile {
  public:
    explicit StagingFile(const std::filesystem::path& target) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            name_ = freeNameBeside(target, L"save");
            handle_.reset(::CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            if (handle_.valid() || ::GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        if (!handle_.valid())
            name_.clear();
    }
    ~StagingFile() {
        handle_.close();
        if (!name_.empty())
            ::DeleteFileW(name_.c_str());
    }
    StagingFile(const StagingFile&) = delete;
    StagingFile& operator=(const StagingFile&) = delete;

    bool valid() const { return handle_.valid(); }
    HANDLE handle() const { return handle_.get(); }
    const std::wstring& name() const { return name_; }

    // Flushes the file to disk and closes it; it keeps its name until
    // committed.
    bool finish() { return ::FlushFileBuffers(handle_.get()) && handle_.close(); }
    // The file took the target's place: nothing left to remove.
    void committed() { name_.clear(); }

  private:
    Handle handle_{INVALID_HANDLE_VALUE};
    std::wstring name_;
};

// Puts the finished staging file in the target's place. An existing target
// is replaced in one step that keeps its attributes and permissions; the
// old file is parked under a backup name meanwhile so that a replace that
// fails half way can put it back.
bool replaceTarget(const std::wstring& staged, const std::filesystem::path& target, bool exists) {
    const std::wstring destination = target.wstring();
    if (!exists)
        return ::MoveFileExW(staged.c_str(), destination.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    const std::wstring backup = freeNameBeside(target, L"old");
    if (::ReplaceFileW(destination.c_str(), staged.c_str(), backup.c_str(),
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return true;
    }
    const DWORD error = ::GetLastError();
    // The old file was moved to the backup name but the new one could not
    // take its place: the old one goes back.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        ::MoveFileExW(backup.c_str(), destination.c_str(), MOVEFILE_WRITE_THROUGH);
    ::SetLastError(error);
    return false;
}

} // namespace

std::filesystem::path nativePath(const std::string& path) {
    if (path.empty())
        return {};
    const int size = static_cast<int>(path.size());
    const int wide = ::MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, path.data(), size, text.data(), wide);
    return std::filesystem::path(text);
}

Outcome fileErrorOutcome(int errorNumber, const std::string& path) {
    const MessageId id = messageForError(static_cast<DWORD>(errorNumber));
    return Outcome::failure(id, replacePlaceholder(loadString(id), path));
}

Outcome readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit) {
    // Writers may keep the file open; a reader never stops them.
    Handle file(::CreateFileW(nativePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastError(path);
    if (!isDiskFile(file.get()))
        return fileErrorOutcome(ERROR_ACCESS_DENIED, path);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size))
        return lastError(path);
    if (static_cast<uint64_t>(size.QuadPart) > limit)
        return tooLarge(path);

    bytes.clear();
    uint8_t chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            return lastError(path);
        if (got == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + got > limit)
            return tooLarge(path);
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return Outcome::success();
}

Outcome writeFileAtomically(const std::string& path, const ByteSource& next) {
    const std::filesystem::path target = nativePath(path);

    // Only a writable file on a disk is replaced: a folder, a device or a
    // read-only file under the name stays what it is.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists) {
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
            return fileErrorOutcome(ERROR_ACCESS_DENIED, path);
        Handle old(::CreateFileW(target.c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (old.valid() && !isDiskFile(old.get()))
            return fileErrorOutcome(ERROR_ACCESS_DENIED, path);
    }

    StagingFile staging(target);
    if (!staging.valid())
        return lastError(path);
    for (;;) {
        std::span<const uint8_t> piece;
        if (!next(piece))
            return fileErrorOutcome(ERROR_READ_FAULT, path);
        if (piece.empty())
            break;
        if (!writeAll(staging.handle(), piece))
            return lastError(path);
    }
    if (!staging.finish() || !replaceTarget(staging.name(), target, exists))
        return lastError(path);
    staging.committed();
    return Outcome::success();
}

} // namespace brenmoor
