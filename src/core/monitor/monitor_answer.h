#pragma once

#include "core/resources/outcome.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace brenmoor::monitor {

// Every shown or hidden record must be answered before the gateway sends the
// next one: either "go on" or a request to write bytes into its output area.
inline constexpr uint8_t kContinueByte = 0x00;
inline constexpr uint8_t kWriteRequestByte = 0x01;

// The output area that Send may write into.
inline constexpr uint16_t kFirstOutputAddress = 0x4000;
inline constexpr uint16_t kLastOutputAddress = 0x406F;
// The write request carries its byte count in one byte.
inline constexpr size_t kMaxWriteBytes = 255;

// The texts the dialog's edit boxes start with.
inline constexpr std::string_view kInitialAddressText = "4000";
inline constexpr std::string_view kInitialDataText = "00 01 02 03";

struct WriteRequest {
    uint16_t address = 0;
    std::vector<uint8_t> data;

    friend bool operator==(const WriteRequest&, const WriteRequest&) = default;
};

std::vector<uint8_t> continueAnswer();
// 0x01, address high byte, low byte, byte count, the bytes.
std::vector<uint8_t> encodeWriteRequest(const WriteRequest& request);

// The gateway's side of the answer, read from a stream that may hold part of
// an answer or several answers.
struct ParsedAnswer {
    enum class Kind {
        Continue,
        Write,
        NeedMore, // the bytes so far start a valid answer
        Invalid   // the first byte is neither 0x00 nor 0x01
    } kind = Kind::NeedMore;
    WriteRequest request; // for Write
    size_t consumed = 0;  // bytes the answer took; 0 for NeedMore and Invalid
};

ParsedAnswer parseAnswer(std::span<const uint8_t> bytes);

struct SendInput {
    Outcome outcome; // the first check that failed, with its message
    WriteRequest request;
};

// Send's checks on the two edit texts, in the order the user meets their
// messages: both filled in, hex digits and blanks only, a blank after every
// data byte, four address digits, an address inside the output area. The
// texts are read case-insensitively; a blank is a 0 digit. The data text
// gives one byte per three characters ("00 01 02 03" gives four bytes; a
// lone trailing digit is ignored).
SendInput checkSendInput(std::string_view addressText, std::string_view dataText);

} // namespace brenmoor::monitor
