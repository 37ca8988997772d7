#include "core/model/archive_reader.h"

namespace brenmoor {
namespace {

constexpr uint64_t kMaxEightByteLength = uint64_t{1} << 31;

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string utf16ToUtf8(std::span<const uint8_t> units) {
    std::string out;
    out.reserve(units.size());
    const size_t count = units.size() / 2;
    auto unitAt = [&](size_t i) {
        return static_cast<uint32_t>(units[2 * i] | (units[2 * i + 1] << 8));
    };
    for (size_t i = 0; i < count; ++i) {
        const uint32_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            const uint32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    return out;
}

bool ArchiveReader::take(size_t count, std::span<const uint8_t>& out) {
    if (failed_ || count > remaining())
        return fail();
    out = bytes_.subspan(pos_, count);
    pos_ += count;
    return true;
}

bool ArchiveReader::readByte(uint8_t& value) {
    std::span<const uint8_t> b;
    if (!take(1, b))
        return false;
    value = b[0];
    return true;
}

bool ArchiveReader::readUInt16(uint16_t& value) {
    std::span<const uint8_t> b;
    if (!take(2, b))
        return false;
    value = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool ArchiveReader::readUInt32(uint32_t& value) {
    std::span<const uint8_t> b;
    if (!take(4, b))
        return false;
    value = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
            (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool ArchiveReader::readInt32(int32_t& value) {
    uint32_t raw = 0;
    if (!readUInt32(raw))
        return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::readUInt64(uint64_t& value) {
    uint32_t low = 0;
    uint32_t high = 0;
    if (!readUInt32(low) || !readUInt32(high))
        return false;
    value = (static_cast<uint64_t>(high) << 32) | low;
    return true;
}

bool ArchiveReader::readLength(uint64_t& length, bool& wide) {
    uint8_t first = 0;
    if (!readByte(first))
        return false;
    if (first < 0xFF) {
        length = first;
        return true;
    }
    uint16_t word = 0;
    if (!readUInt16(word))
        return false;
    if (word == 0xFFFE) {
        // The 16-bit marker may stand once, in front of the real length.
        if (wide)
            return fail();
        wide = true;
        return readLength(length, wide);
    }
    if (word < 0xFFFF) {
        length = word;
        return true;
    }
    uint32_t dword = 0;
    if (!readUInt32(dword))
        return false;
    if (dword < 0xFFFFFFFFu) {
        length = dword;
        return true;
    }
    if (!readUInt64(length))
        return false;
    return length < kMaxEightByteLength ? true : fail();
}

bool ArchiveReader::readText(std::string& text) {
    uint64_t length = 0;
    bool wide = false;
    if (!readLength(length, wide))
        return false;
    const uint64_t byteCount = wide ? length * 2 : length;
    // Checked against what is left before anything is allocated, so a forged
    // length cannot make the reader reserve gigabytes.
    if (byteCount > remaining())
        return fail();
    std::span<const uint8_t> raw;
    if (!take(static_cast<size_t>(byteCount), raw))
        return false;
    if (wide)
        text = utf16ToUtf8(raw);
    else
        text.assign(reinterpret_cast<const char*>(raw.data()), raw.size());
    return true;
}

} // namespace brenmoor
