#pragma once

// An encoder of the project file format written independently of the
// program's writer, so the tests compare against the format itself rather
// than against the code under test.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::test {

class FileBytes {
  public:
    FileBytes& u8(uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    FileBytes& u16(uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    FileBytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    FileBytes& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    FileBytes& u64(uint64_t v) { return u32(v & 0xFFFFFFFFu).u32(v >> 32); }
    FileBytes& raw(std::string_view s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    FileBytes& text(std::string_view s) {
        if (s.size() < 255)
            u8(static_cast<uint8_t>(s.size()));
        else if (s.size() < 0xFFFE)
            u8(0xFF).u16(static_cast<uint16_t>(s.size()));
        else
            u8(0xFF).u16(0xFFFF).u32(static_cast<uint32_t>(s.size()));
        return raw(s);
    }
    FileBytes& newClass(std::string_view name) {
        return u16(0xFFFF).u16(1).u16(static_cast<uint16_t>(name.size())).raw(name);
    }
    FileBytes& append(const std::vector<uint8_t>& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }

    std::vector<uint8_t> bytes;
};

// The FIELDBUS object body of the default configuration.
inline FileBytes defaultFieldbusBody() {
    FileBytes b;
    for (const char* t : {"DeviceNet", "0", "Automatic", "64", "64", "Manually Assign",
                          "192.168.0.110", "255.255.255.0", "192.168.0.1", "0.0.0.0", "0.0.0.0"})
        b.text(t);
    return b;
}

// A default CONFIG object body (no nodes, no commands) of the given version,
// with the tail the format gives that version. doubleFaultClear is "Open"
// for subnet 0 and empty for the others, as a new session holds them.
inline FileBytes defaultConfigBody(uint32_t version, bool firstSubnet) {
    FileBytes b;
    b.u32(version);
    b.text("Modbus Master");
    for (const char* t :
         {"19200", "8", "None", "1", "RTU", "300", "0", "Change of Value", "-1", "10"})
        b.text(t); // master group
    for (const char* t : {"19200", "8", "None", "1", "", "RTU"})
        b.text(t); // slave group
    for (const char* t : {"19200", "8", "None", "1", "Character timeout", "10", "111", "Close",
                          "1000", "Close", "RS485", "RS232", "Close"})
        b.text(t); // common group
    for (const char* t : {"300", "8", "None", "1"})
        b.text(t); // custom group
    b.i32(0).i32(0);
    if (version >= 233)
        b.i32(0).i32(1);
    if (version >= 243)
        b.i32(0);
    if (version >= 244)
        b.i32(0).text(firstSubnet ? "Open" : "");
    if (version >= 245)
        b.i32(1);
    if (version >= 246)
        b.i32(0);
    if (version >= 300)
        b.i32(0).text("Close").text("Timeout cleared").text("3");
    if (version >= 312)
        b.i32(0).text("").text("");
    return b;
}

// The whole default file of a version, as a new session saves it.
inline std::vector<uint8_t> defaultFile(uint32_t version) {
    FileBytes f;
    f.i32(0).i32(12);
    f.newClass("FIELDBUS").append(defaultFieldbusBody().bytes);
    f.newClass("CONFIG").append(defaultConfigBody(version, true).bytes);
    for (int s = 1; s < 4; ++s)
        f.u16(0x8003).append(defaultConfigBody(version, false).bytes);
    if (version >= 246)
        f.text("Use to select the number of bytes").text("");
    return f.bytes;
}

} // namespace brenmoor::test
