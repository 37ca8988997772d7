#pragma once

#include "core/resources/outcome.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brenmoor {

// The framework's message for a failed file operation, naming the file.
// `errorNumber` is the system's code: errno, or GetLastError() on Windows.
Outcome fileErrorOutcome(int errorNumber, const std::string& path);

// The program holds every path as UTF-8; this is the path the system's file
// functions take (wide characters on Windows, the bytes as they are elsewhere).
std::filesystem::path nativePath(const std::string& path);

// Whether two paths lead to the same place, by their resolved names: file
// identities cannot be told apart by the standard library on every
// platform. Nothing when either cannot be resolved.
inline std::optional<bool> samePath(const std::string& a, const std::string& b) {
    std::error_code errorA;
    std::error_code errorB;
    const auto resolvedA = std::filesystem::weakly_canonical(nativePath(a), errorA);
    const auto resolvedB = std::filesystem::weakly_canonical(nativePath(b), errorB);
    if (errorA || errorB)
        return std::nullopt;
    return resolvedA == resolvedB;
}

// Reads a whole regular file. Anything else (a directory, a device, a FIFO,
// a terminal) is refused at once, before a byte is read, so that nothing
// waits for ever on a reader that never ends. A file larger than `limit` is
// refused with msg::FileTooLarge.
Outcome readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit);

// Replaces the regular file at `path` (or creates it) with `bytes`: they are
// written into an unnamed file beside it, flushed to disk and only then put
// in its place, so a failed or killed save never damages the old file and
// leaves nothing behind. A path that is not a regular file (a device, a FIFO,
// a socket) and a file that is read-only are refused as access denied.
Outcome writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// The same for contents too large to hold at once: `next` hands out the
// bytes a piece at a time, an empty piece at the end, and returns false when
// it cannot read on (the old file then stays as it was).
using ByteSource = std::function<bool(std::span<const uint8_t>& piece)>;
Outcome writeFileAtomically(const std::string& path, const ByteSource& next);

// Streams the regular file at `from` into `to` by writeFileAtomically.
Outcome copyFileAtomically(const std::string& from, const std::string& to);

} // namespace brenmoor
