#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace brenmoor {

// Little-endian primitives of the project file, appended to a byte buffer.
class ArchiveWriter {
  public:
    void writeByte(uint8_t value) { bytes_.push_back(value); }
    void writeUInt16(uint16_t value);
    void writeUInt32(uint32_t value);
    void writeInt32(int32_t value) { writeUInt32(static_cast<uint32_t>(value)); }
    // Length prefix (one, three or seven bytes) and the text's bytes.
    void writeText(std::string_view text);

    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<uint8_t> bytes_;
};

} // namespace brenmoor
