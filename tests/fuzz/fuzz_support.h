// Helpers the fuzz targets share: a check that stops the run where a
// property fails, a reader that takes the input's bytes one field at a time,
// and the save-and-open check every path that builds a project ends with.
#pragma once

#include "core/model/project_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace brenmoor::fuzz {

inline void check(bool condition) {
    if (!condition)
        std::abort();
}

// Hands out the input front to back; past its end every read is zero or
// empty, so a short input is still a complete one.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return bytes_.empty(); }
    size_t size() const { return bytes_.size(); }

    uint8_t byte() {
        if (bytes_.empty())
            return 0;
        const uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }
    std::span<const uint8_t> take(size_t n) {
        const auto part = bytes_.first(std::min(n, bytes_.size()));
        bytes_ = bytes_.subspan(part.size());
        return part;
    }
    // Exactly n bytes, zero-filled past the end.
    template <size_t N> std::array<uint8_t, N> block() {
        std::array<uint8_t, N> out{};
        const auto part = take(N);
        std::copy(part.begin(), part.end(), out.begin());
        return out;
    }
    std::span<const uint8_t> rest() { return take(bytes_.size()); }
    std::string_view restText() {
        const auto part = rest();
        return {reinterpret_cast<const char*>(part.data()), part.size()};
    }

  private:
    std::span<const uint8_t> bytes_;
};

// Whatever the program made of outside bytes ends up saved: the file it
// writes must open again and save to the same bytes.
inline void checkSavesAndReopens(const Project& project) {
    const Project fresh = makeNewProject();
    const std::vector<uint8_t> written = serializeProject(project);
    auto loaded = parseProject(written, fresh.device);
    check(loaded.has_value());
    Project reopened = fresh;
    applyLoadedProject(reopened, std::move(*loaded));
    check(serializeProject(reopened) == written);
}

} // namespace brenmoor::fuzz
