#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace brenmoor {

// Reads the project file's primitives from a byte span. Every read reports
// whether the bytes were there; a reader that failed once stays failed, so a
// parser can read a whole record and check once.
class ArchiveReader {
  public:
    explicit ArchiveReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool readByte(uint8_t& value);
    bool readUInt16(uint16_t& value);
    bool readUInt32(uint32_t& value);
    bool readInt32(int32_t& value);
    bool readUInt64(uint64_t& value);
    // A length-prefixed text; 16-bit texts are converted to UTF-8.
    bool readText(std::string& text);

    bool failed() const { return failed_; }
    size_t remaining() const { return bytes_.size() - pos_; }

  private:
    bool fail() {
        failed_ = true;
        return false;
    }
    bool readLength(uint64_t& length, bool& wide);
    bool take(size_t count, std::span<const uint8_t>& out);

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// UTF-16 code units (little-endian pairs of bytes) to UTF-8; unpaired
// surrogates become U+FFFD.
std::string utf16ToUtf8(std::span<const uint8_t> littleEndianUnits);

} // namespace brenmoor
