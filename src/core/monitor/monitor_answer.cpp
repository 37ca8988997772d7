#include "core/monitor/monitor_answer.h"

#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor::monitor {
namespace {

constexpr size_t kAddressDigits = 4;
// Data bytes are two digits and a blank: the blanks sit at 2, 5, 8, ...
constexpr size_t kDataStride = 3;

SendInput refuse(MessageId id) {
    return {Outcome::failure(id, std::string(loadString(id))), {}};
}

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isEntryCharacter(char c) {
    c = lowered(c);
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == ' ';
}

// Only called on characters that passed isEntryCharacter.
unsigned digitValue(char c) {
    c = lowered(c);
    if (c == ' ')
        return 0;
    return c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(c - 'a' + 10);
}

bool allEntryCharacters(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isEntryCharacter);
}

} // namespace

std::vector<uint8_t> continueAnswer() {
    return {kContinueByte};
}

std::vector<uint8_t> encodeWriteRequest(const WriteRequest& request) {
    // Sized once and filled in place: GCC 12 misreads an insert behind a
    // four-byte initializer list as an out-of-bounds copy at -O2.
    std::vector<uint8_t> bytes(4 + request.data.size());
    bytes[0] = kWriteRequestByte;
    bytes[1] = static_cast<uint8_t>(request.address >> 8);
    bytes[2] = static_cast<uint8_t>(request.address & 0xFF);
    bytes[3] = static_cast<uint8_t>(request.data.size());
    std::copy(request.data.begin(), request.data.end(), bytes.begin() + 4);
    return bytes;
}

ParsedAnswer parseAnswer(std::span<const uint8_t> bytes) {
    constexpr size_t kWriteHeaderBytes = 4;
    ParsedAnswer answer;
    if (bytes.empty())
        return answer;
    if (bytes[0] == kContinueByte) {
        answer.kind = ParsedAnswer::Kind::Continue;
        answer.consumed = 1;
        return answer;
    }
    if (bytes[0] != kWriteRequestByte) {
        answer.kind = ParsedAnswer::Kind::Invalid;
        return answer;
    }
    if (bytes.size() < kWriteHeaderBytes || bytes.size() < kWriteHeaderBytes + bytes[3])
        return answer;
    answer.kind = ParsedAnswer::Kind::Write;
    answer.request.address = static_cast<uint16_t>(bytes[1] << 8 | bytes[2]);
    const auto data = bytes.subspan(kWriteHeaderBytes, bytes[3]);
    answer.request.data.assign(data.begin(), data.end());
    answer.consumed = kWriteHeaderBytes + data.size();
    return answer;
}

SendInput checkSendInput(std::string_view addressText, std::string_view dataText) {
    if (addressText.empty() || dataText.empty())
        return refuse(msg::PleaseComplete);
    if (!allEntryCharacters(addressText) || !allEntryCharacters(dataText))
        return refuse(msg::IllegalHexData);
    for (size_t i = 2; i < dataText.size(); i += kDataStride)
        if (dataText[i] != ' ')
            return refuse(msg::InputFormatIncorrect);
    if (addressText.size() != kAddressDigits)
        return refuse(msg::InputFormatIncorrect);

    unsigned address = 0;
    for (const char c : addressText)
        address = address << 4 | digitValue(c);
    if (address < kFirstOutputAddress || address > kLastOutputAddress)
        return refuse(msg::MappingAddressOutOfRange);

    SendInput input;
    input.request.address = static_cast<uint16_t>(address);
    for (size_t i = 2; i <= dataText.size(); i += kDataStride)
        input.request.data.push_back(
            static_cast<uint8_t>(digitValue(dataText[i - 2]) << 4 | digitValue(dataText[i - 1])));
    // The count travels in one byte; more would announce a wrong length and
    // desynchronise the gateway.
    if (input.request.data.size() > kMaxWriteBytes)
        return refuse(msg::InputFormatIncorrect);
    return input;
}

} // namespace brenmoor::monitor
