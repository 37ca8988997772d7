#include "core/model/archive_writer.h"

namespace brenmoor {

void ArchiveWriter::writeUInt16(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ArchiveWriter::writeUInt32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<uint8_t>((value >> shift) & 0xFF));
}

void ArchiveWriter::writeText(std::string_view text) {
    const size_t n = text.size();
    if (n < 0xFF) {
        writeByte(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeByte(0xFF);
        writeUInt16(static_cast<uint16_t>(n));
    } else {
        // 0xFFFE after the first byte would announce 16-bit characters, so
        // from 65534 bytes on the length moves to four bytes.
        writeByte(0xFF);
        writeUInt16(0xFFFF);
        writeUInt32(static_cast<uint32_t>(n));
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

} // namespace brenmoor
