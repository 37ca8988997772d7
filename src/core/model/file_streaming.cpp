#include "core/model/file_io.h"

#include <array>
#include <cerrno>
#include <fstream>

namespace brenmoor {

Outcome writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    bool handedOut = false;
    return writeFileAtomically(path, [&](std::span<const uint8_t>& piece) {
        piece = handedOut ? std::span<const uint8_t>{} : bytes;
        handedOut = true;
        return true;
    });
}

Outcome copyFileAtomically(const std::string& from, const std::string& to) {
    std::ifstream in(nativePath(from), std::ios::binary);
    // ENOENT is 2 on both platforms, as is Windows' ERROR_FILE_NOT_FOUND.
    if (!in)
        return fileErrorOutcome(ENOENT, from);
    std::array<char, 1 << 16> buffer{};
    return writeFileAtomically(to, [&](std::span<const uint8_t>& piece) {
        in.read(buffer.data(), buffer.size());
        if (in.bad())
            return false;
        piece = std::span(reinterpret_cast<const uint8_t*>(buffer.data()),
                          static_cast<size_t>(in.gcount()));
        return true;
    });
}

} // namespace brenmoor
